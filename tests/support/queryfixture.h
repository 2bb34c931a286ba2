// A fixture for the query tests: loads an edition into the content store (link arrays
// included), records the messages of the content layer, and leaves an empty store and no tour
// behind.
#pragma once

#include <gtest/gtest.h>

#include "content/datatables.h"
#include "tests/support/editions.h"
#include "tests/support/recordinghost.h"

class QueryTest : public ::testing::Test {
  protected:
    void TearDown() override {
        ReleaseContent();
        Content().Tour = TourTable{};
    }

    // Builds and loads the source (wrap in ASSERT_NO_FATAL_FAILURE).
    void load(const EditionSource& source) {
        ReleaseContent();
        edition = Build(source);
        ASSERT_FALSE(HasFailure());
        const bool loaded = LoadImage(edition.image);
        SetContentHost(&host);  // LoadImage used a host of its own
        ASSERT_TRUE(loaded);
    }

    // The table index of a source place of the loaded edition.
    int placeOf(int sourcePlace) const {
        return edition.placeIndexOfSource[static_cast<size_t>(sourcePlace)];
    }

    RecordingHost host;
    BuiltEdition edition;
};
