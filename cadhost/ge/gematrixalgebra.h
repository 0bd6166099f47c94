// Square matrix algebra shared by the 2D and 3D transformation matrices (not part of the host API).
#pragma once

#include <cmath>
#include <cstddef>
#include <utility>

namespace cadhost::ge {

template <std::size_t N> using SquareMatrix = double[N][N];

template <std::size_t N> void multiply(const SquareMatrix<N>& a, const SquareMatrix<N>& b, SquareMatrix<N>& out)
{
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = 0; j < N; ++j) {
            double sum = 0.0;
            for (std::size_t k = 0; k < N; ++k)
                sum += a[i][k] * b[k][j];
            out[i][j] = sum;
        }
}

template <std::size_t N> void transposeInPlace(SquareMatrix<N>& m)
{
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = i + 1; j < N; ++j)
            std::swap(m[i][j], m[j][i]);
}

template <std::size_t N> bool entriesEqual(const SquareMatrix<N>& a, const SquareMatrix<N>& b, double tol)
{
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = 0; j < N; ++j)
            if (std::fabs(a[i][j] - b[i][j]) > tol)
                return false;
    return true;
}

// Determinant by elimination with partial pivoting.
template <std::size_t N> double determinant(const SquareMatrix<N>& m)
{
    double a[N][N];
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = 0; j < N; ++j)
            a[i][j] = m[i][j];
    double det = 1.0;
    for (std::size_t col = 0; col < N; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < N; ++row)
            if (std::fabs(a[row][col]) > std::fabs(a[pivot][col]))
                pivot = row;
        if (a[pivot][col] == 0.0)
            return 0.0;
        if (pivot != col) {
            std::swap(a[pivot], a[col]);
            det = -det;
        }
        det *= a[col][col];
        for (std::size_t row = col + 1; row < N; ++row) {
            const double factor = a[row][col] / a[col][col];
            for (std::size_t k = col; k < N; ++k)
                a[row][k] -= factor * a[col][k];
        }
    }
    return det;
}

// Gauss-Jordan inversion; fails, leaving out untouched, when a pivot is not above tol in magnitude.
template <std::size_t N> bool invert(const SquareMatrix<N>& m, SquareMatrix<N>& out, double tol)
{
    double a[N][N];
    double inv[N][N];
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = 0; j < N; ++j) {
            a[i][j] = m[i][j];
            inv[i][j] = i == j ? 1.0 : 0.0;
        }
    for (std::size_t col = 0; col < N; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < N; ++row)
            if (std::fabs(a[row][col]) > std::fabs(a[pivot][col]))
                pivot = row;
        if (!(std::fabs(a[pivot][col]) > tol))
            return false;
        std::swap(a[pivot], a[col]);
        std::swap(inv[pivot], inv[col]);
        const double scale = 1.0 / a[col][col];
        for (std::size_t k = 0; k < N; ++k) {
            a[col][k] *= scale;
            inv[col][k] *= scale;
        }
        for (std::size_t row = 0; row < N; ++row) {
            if (row == col || a[row][col] == 0.0)
                continue;
            const double factor = a[row][col];
            for (std::size_t k = 0; k < N; ++k) {
                a[row][k] -= factor * a[col][k];
                inv[row][k] -= factor * inv[col][k];
            }
        }
    }
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = 0; j < N; ++j)
            out[i][j] = inv[i][j];
    return true;
}

// Largest factor by which the linear part (the leading dim x dim block) stretches a coordinate axis.
template <std::size_t N> double largestAxisScale(const SquareMatrix<N>& m, std::size_t dim)
{
    double largest = 0.0;
    for (std::size_t col = 0; col < dim; ++col) {
        double sum = 0.0;
        for (std::size_t row = 0; row < dim; ++row)
            sum += m[row][col] * m[row][col];
        largest = std::fmax(largest, std::sqrt(sum));
    }
    return largest;
}

// Whether the images of the axes are perpendicular and, when uniform, of equal length.
template <std::size_t N> bool axesOrthogonal(const SquareMatrix<N>& m, std::size_t dim, bool uniform, double tol)
{
    double lengths[N] = {};
    for (std::size_t a = 0; a < dim; ++a) {
        double sum = 0.0;
        for (std::size_t row = 0; row < dim; ++row)
            sum += m[row][a] * m[row][a];
        lengths[a] = std::sqrt(sum);
        if (lengths[a] <= tol)
            return false;
    }
    for (std::size_t a = 0; a < dim; ++a)
        for (std::size_t b = a + 1; b < dim; ++b) {
            double dot = 0.0;
            for (std::size_t row = 0; row < dim; ++row)
                dot += m[row][a] * m[row][b];
            if (std::fabs(dot) / (lengths[a] * lengths[b]) > tol)
                return false;
            if (uniform && std::fabs(lengths[a] - lengths[b]) > tol * std::fmax(lengths[a], lengths[b]))
                return false;
        }
    return true;
}

} // namespace cadhost::ge
