// Custom classes the database tests register and delete as a plug-in would.
#pragma once

#include "dbmain.h"

#include <string>

// An entity with a number, a label and a reference to another object.
class TestMarker : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(TestMarker);
    static void unregister();

    Adesk::Int32 number = 0;
    std::wstring label;
    AcDbObjectId linked;

    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
};

// A non-entity object that owns another object and points at one; its stored version decides
// whether it can be read (a version above 1 answers eMakeMeProxy).
class TestNote : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(TestNote);
    static void unregister();

    Adesk::UInt32 version = 1;
    double value = 0.0;
    AcDbObjectId owned;
    AcDbObjectId pointed;

    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
};

// Registers the test classes for the duration of a scope.
struct TestClassesRegistered {
    TestClassesRegistered();
    ~TestClassesRegistered();
    TestClassesRegistered(const TestClassesRegistered&) = delete;
    TestClassesRegistered& operator=(const TestClassesRegistered&) = delete;
};
