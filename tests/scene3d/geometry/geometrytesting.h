#pragma once
// Comparing the geometry's results in tests: component by component within a
// tolerance, with the values in the failure message.
#include "scene3d/geometry/vectortypes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

template <typename Vector>
::testing::AssertionResult NearVector(const Vector& actual, const Vector& expected, double tolerance, int count)
{
    for (int i = 0; i < count; ++i)
        if (!(std::fabs(double(actual[i]) - expected[i]) <= tolerance)) {
            std::ostringstream text;
            text << "component " << i << ":";
            for (int k = 0; k < count; ++k)
                text << " " << actual[k] << "/" << expected[k];
            return ::testing::AssertionFailure() << text.str() << " (actual/expected)";
        }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult Near(const TAffineVector& actual, const TAffineVector& expected,
                                       double tolerance = 1e-6)
{
    return NearVector(actual, expected, tolerance, 3);
}

inline ::testing::AssertionResult Near(const TVector& actual, const TVector& expected, double tolerance = 1e-6)
{
    return NearVector(actual, expected, tolerance, 4);
}

inline ::testing::AssertionResult Near(const TMatrix& actual, const TMatrix& expected, double tolerance = 1e-6)
{
    for (int r = 0; r < 4; ++r)
        if (::testing::AssertionResult row = Near(actual[r], expected[r], tolerance); !row)
            return ::testing::AssertionFailure() << "row " << r << ", " << row.message();
    return ::testing::AssertionSuccess();
}
