#pragma once
// The well's settings record of a link test: saved from the defaults with a change, and read back as
// the link left it.
#include "app/logstate.h"
#include "app/opendatafile.h"
#include "support/files.h"
#include "wellfile/wellconfig.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace wits_testing {

// Saves the default record with `change` applied as the open well's, and gives it to the window.
inline void SaveLinkConfig(app::LogState& log, const std::function<void(wellfile::WellConfig&)>& change)
{
    wellfile::WellConfig c = wellfile::DefaultWellConfig({});
    change(c);
    bool field = false;
    EXPECT_TRUE(wellfile::SaveConfig(c, app::PlaceOf(log), field));
    log.well.config = c;
}

// The record as stored; zeros when the file is not a whole record.
inline wellfile::WellConfig SavedLinkConfig(const app::LogState& log)
{
    wellfile::WellConfig c{};
    const QByteArray bytes = testing_support::ReadBytes(wellfile::OwnConfigPath(app::PlaceOf(log), false));
    EXPECT_EQ(bytes.size(), qsizetype(sizeof c));
    if (bytes.size() == qsizetype(sizeof c))
        std::memcpy(&c, bytes.constData(), sizeof c);
    return c;
}

}  // namespace wits_testing
