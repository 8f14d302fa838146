#pragma once
// The fixture of the view's tests: the demo well made in the test's folder and opened on a bare
// LogState, laid out for profile 12 on a 1920 x 1080 screen (client bottom 960) with its pens.
//
// What that gives (R row height, U unit width, T top margin):
//   R = U = 10, T = 160, 72 visible rows, log bottom y 880 (72 x 10 + 160)
//   rate track 9-259 (25 cells of 10), porosity 319-346, lithology 346-446 (10 cells of 10),
//   fluorescence 446-482, cut 482-509, gas track 739-1054 (35 cells of 9), log width 1064
//   demo well 1000-2600, show reports at 1236, 1604, 1972 and 2220
#include "app/logstate.h"
#include "logview/device.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/viewgeometry.h"

#include <gtest/gtest.h>

#include <memory>

namespace testing_support {

// Opens the demo well on `state` as described above; false (with a test failure) when it could not.
bool OpenDemoView(app::LogState& state);
// Opens the data file `dataFile` on `state` and lays it out the same way.
bool OpenView(app::LogState& state, const QString& dataFile);

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    // The geometry of the state as it stands.
    logview::ViewGeometry Geometry() const;
    // The view top at `depth`.
    void SetViewTop(std::int32_t depth);
    // Gives the state the view's images and painters: the grid strips built for its geometry and a
    // white 1920 x 1080 backing store.
    void AttachImages(logview::ViewBitmaps& bitmaps, logview::NeighbourPainters& painters);

    std::unique_ptr<app::LogState> state = std::make_unique<app::LogState>();
    app::LogState& s = *state;
};

}  // namespace testing_support
