// Comparison of geometry values against literal coordinates, with readable failure messages.
#pragma once

#include "gepnt2d.h"
#include "gepnt3d.h"
#include "gevec2d.h"
#include "gevec3d.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

template <class T>
::testing::AssertionResult isNear(const T& actual, std::initializer_list<double> expected, double tol = 1e-12)
{
    unsigned int i = 0;
    bool ok = true;
    auto failure = ::testing::AssertionFailure() << "actual (";
    for (double value : expected) {
        ok = ok && std::fabs(actual[i] - value) <= tol;
        failure << (i == 0 ? "" : ", ") << actual[i];
        ++i;
    }
    if (ok)
        return ::testing::AssertionSuccess();
    failure << ") expected (";
    i = 0;
    for (double value : expected)
        failure << (i++ == 0 ? "" : ", ") << value;
    return failure << ") within " << tol;
}
