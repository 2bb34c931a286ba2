// Loading the table file: the format's checks, and the consistency checks that keep every later
// read by index inside the tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "content/contentloader.h"
#include "content/datatables.h"
#include "content/textfiles.h"
#include "tests/support/editions.h"
#include "tests/support/recordinghost.h"

namespace {

class ContentLoaderTest : public ::testing::Test {
  protected:
    void TearDown() override { ReleaseContent(); }

    LoadError load(const BTabImage& image) {
        dir_.writeTable(image);
        return ReadContentTables(dir_.path());
    }

    LoadError loadBytes(const std::vector<uint8_t>& bytes) {
        dir_.write("BTab.dat", bytes);
        return ReadContentTables(dir_.path());
    }

    DataDirectory dir_;
};

BTabImage smallImage() { return Build(SimpleEdition(60, 2)).image; }

// The image with the last view of the view table taken out of its group (of two or more).
BTabImage withoutLastView(BTabImage image) {
    image.views.pop_back();
    --image.viewCount;
    return image;
}

// The image with the southernmost place and its view group taken out, every index renumbered:
// sound tables with one place fewer.
BTabImage withoutLastPlace(BTabImage image) {
    const int gone = image.placeCount - 1;
    const PlaceRecord last = image.places.back();
    const int first = last.FirstView;
    int end = first;
    while (end < image.viewCount && image.views[static_cast<size_t>(end)].Place == gone) ++end;
    const int removed = end - first;
    const bool lastGroup = image.views[static_cast<size_t>(first)].NextGroup == -1;
    auto renumber = [&](int16_t& view) {
        if (view == first && lastGroup)
            view = -1;
        else if (view > first)
            view = static_cast<int16_t>(view - removed);
    };
    image.views.erase(image.views.begin() + first, image.views.begin() + end);
    for (ViewRecord& v : image.views) renumber(v.NextGroup);
    image.places.pop_back();
    for (PlaceRecord& p : image.places) {
        renumber(p.FirstView);
        if (p.EastWestPos > last.EastWestPos) --p.EastWestPos;
    }
    for (int16_t& v : image.nameIndex) renumber(v);
    image.eastWest.erase(image.eastWest.begin() + last.EastWestPos);
    for (int16_t& p : image.rowIndex) p = static_cast<int16_t>(std::min<int>(p, gone - 1));
    --image.placeCount;
    image.viewCount -= removed;
    return image;
}

TEST_F(ContentLoaderTest, SoundEditionLoadsEveryTable) {
    EditionSource source = SimpleEdition(60, 2);
    source.places[5].x = 2350;
    source.places[5].y = 3880;
    source.londonBox = MapBox{2342, 3870, 2405, 3915};
    const BuiltEdition built = Build(source);
    ASSERT_EQ(load(built.image), LoadError::None);
    const ContentStore& c = Content();
    EXPECT_EQ(c.ViewCount, 120);
    EXPECT_EQ(c.PlaceCount, 60);
    EXPECT_EQ(c.RowCount, 4864);
    EXPECT_EQ(c.ColumnCount, 3072);
    ASSERT_EQ(c.LondonPlaceCount, 1);
    EXPECT_EQ(c.LondonPlaces[0], built.placeIndexOfSource[5]);
    const PlaceRecord& p = c.place(built.placeIndexOfSource[5]);
    EXPECT_EQ(p.x, 2350);
    EXPECT_EQ(p.y, 3880);
    const ViewRecord& v = c.view(p.FirstView);
    EXPECT_EQ(PlaceNameOfView(v), source.places[5].name);
    EXPECT_STREQ(v.Text + v.CaptionStart, source.places[5].views[0].caption.c_str());
}

TEST_F(ContentLoaderTest, CountBoundsAreInclusive) {
    const EditionSource fifty = SimpleEdition(50, 2);  // 100 views, 50 places
    BTabImage image = Build(fifty).image;
    image.rowCount = 1000;
    image.rowIndex.resize(1000);
    image.columnCount = 1000;
    EXPECT_EQ(load(image), LoadError::None);

    BTabImage rows999 = image;
    rows999.rowCount = 999;
    rows999.rowIndex.resize(999);
    EXPECT_EQ(load(rows999), LoadError::NotUnderstood);

    BTabImage columns999 = image;
    columns999.columnCount = 999;
    EXPECT_EQ(load(columns999), LoadError::NotUnderstood);

    // mkedition refuses editions below the bounds, so these are cut down from sound ones.
    EditionSource views101 = fifty;
    views101.places[0].views.push_back(views101.places[0].views[0]);
    views101.places[0].views.back().title = "View 3";
    EXPECT_EQ(load(withoutLastView(Build(views101).image)), LoadError::None);
    EXPECT_EQ(load(withoutLastView(Build(fifty).image)), LoadError::NotUnderstood);
    EXPECT_EQ(load(withoutLastPlace(Build(SimpleEdition(51, 3)).image)), LoadError::None);
    EXPECT_EQ(load(withoutLastPlace(Build(SimpleEdition(50, 3)).image)), LoadError::NotUnderstood);

    for (int32_t BTabImage::*count : {&BTabImage::viewCount, &BTabImage::placeCount,
                                      &BTabImage::rowCount, &BTabImage::columnCount}) {
        BTabImage tooMany = smallImage();
        tooMany.*count = 32001;
        EXPECT_EQ(load(tooMany), LoadError::NotUnderstood);
        BTabImage negative = smallImage();
        negative.*count = -1;
        EXPECT_EQ(load(negative), LoadError::NotUnderstood);
    }
}

TEST_F(ContentLoaderTest, LargestCountsAreAccepted) {
    EditionSource source = SimpleEdition(32000, 1);
    source.rowCount = 32000;
    source.columnCount = 32000;
    const BuiltEdition built = Build(source);
    ASSERT_EQ(load(built.image), LoadError::None);
    EXPECT_EQ(Content().ViewCount, 32000);
    EXPECT_EQ(Content().PlaceCount, 32000);
    EXPECT_EQ(Content().RowCount, 32000);
}

TEST_F(ContentLoaderTest, EveryWrongTagIsRejected) {
    BTabImage header = smallImage();
    header.headerTag = {'$', '$', 'X', '\0'};
    EXPECT_EQ(load(header), LoadError::NotUnderstood);
    for (size_t i = 0; i < 6; ++i) {
        BTabImage image = smallImage();
        image.sectionTags[i][2] = 'Q';
        EXPECT_EQ(load(image), LoadError::NotUnderstood) << "section tag " << i;
    }
}

TEST_F(ContentLoaderTest, IdentificationMustFitTheFirstBytes) {
    BTabImage image = smallImage();
    image.ident = std::string(122, 'x');
    EXPECT_EQ(load(image), LoadError::None);
    image.ident = std::string(123, 'x');
    EXPECT_EQ(load(image), LoadError::NotUnderstood);
    EXPECT_EQ(loadBytes({}), LoadError::NotUnderstood);
    EXPECT_EQ(loadBytes(std::vector<uint8_t>(500, 'a')), LoadError::NotUnderstood);
}

TEST_F(ContentLoaderTest, FileCutShortInsideAnyTableIsRejected) {
    const BTabImage image = smallImage();
    const std::vector<uint8_t> whole = WriteBTab(image);
    ASSERT_EQ(loadBytes(whole), LoadError::None);
    const size_t header = image.ident.size() + 1 + 4 + 16;
    const size_t nameIndexEnd = header + 4 + 1352;
    const size_t rowIndexEnd = nameIndexEnd + 4 + image.rowIndex.size() * 2;
    const size_t eastWestEnd = rowIndexEnd + 4 + image.eastWest.size() * 6;
    const size_t placesEnd = eastWestEnd + 4 + image.places.size() * 24;
    const size_t viewsEnd = placesEnd + 4 + image.views.size() * 240;
    ASSERT_EQ(viewsEnd + 4, whole.size());
    for (size_t cut : {header - 3, header + 100, nameIndexEnd + 50, rowIndexEnd + 7,
                       eastWestEnd + 30, placesEnd + 240 * 3 + 17, viewsEnd, whole.size() - 1}) {
        const std::vector<uint8_t> shortFile(whole.begin(), whole.begin() + static_cast<long>(cut));
        EXPECT_EQ(loadBytes(shortFile), LoadError::NotUnderstood) << "cut at " << cut;
        EXPECT_FALSE(Content().loaded());
    }
    std::vector<uint8_t> trailing = whole;
    trailing.insert(trailing.end(), 100, 0x55);
    EXPECT_EQ(loadBytes(trailing), LoadError::None);
}

struct Damage {
    const char* what;
    std::function<void(BTabImage&)> apply;
};

TEST_F(ContentLoaderTest, UnsafeIndexesAreRejected) {
    const BTabImage sound = smallImage();
    const int lastGroup = [&] {
        int v = 0;
        while (sound.views[static_cast<size_t>(v)].NextGroup != -1)
            v = sound.views[static_cast<size_t>(v)].NextGroup;
        return v;
    }();
    const std::vector<Damage> damages = {
        {"FirstView beyond the views", [](BTabImage& i) { i.places[3].FirstView = 120; }},
        {"FirstView negative", [](BTabImage& i) { i.places[3].FirstView = -1; }},
        {"FirstView inside another group", [](BTabImage& i) { i.places[3].FirstView += 1; }},
        {"NextGroup going back", [](BTabImage& i) { i.views[2].NextGroup = 0; }},
        {"NextGroup beyond the views", [](BTabImage& i) { i.views[0].NextGroup = 121; }},
        {"NextGroup skipping a group", [](BTabImage& i) { i.views[0].NextGroup = 4; }},
        {"last group not ending",
         [&](BTabImage& i) {
             i.views[static_cast<size_t>(lastGroup)].NextGroup = static_cast<int16_t>(lastGroup);
         }},
        {"view of an unknown place", [](BTabImage& i) { i.views[7].Place = 60; }},
        {"view of another place", [](BTabImage& i) { i.views[1].Place = i.views[2].Place; }},
        {"EastWestPos beyond the table", [](BTabImage& i) { i.places[9].EastWestPos = 60; }},
        {"east-west entry of another place",
         [](BTabImage& i) { std::swap(i.eastWest[4].place, i.eastWest[5].place); }},
        {"east-west table out of order",
         [](BTabImage& i) {
             i.eastWest[0].x = 3000;
             i.places[i.eastWest[0].place].x = 3000;
         }},
        {"places out of order",
         [](BTabImage& i) {
             i.places[0].y = 4800;
             i.eastWest[i.places[0].EastWestPos].y = 4800;
         }},
        {"RowIndex beyond the places", [](BTabImage& i) { i.rowIndex[100] = 60; }},
        {"RowIndex negative", [](BTabImage& i) { i.rowIndex[4863] = -1; }},
        {"NameIndex beyond the views", [](BTabImage& i) { i.nameIndex[30] = 500; }},
        {"NameIndex inside a group", [](BTabImage& i) { i.nameIndex[30] = 1; }},
        {"NameEnd too small", [](BTabImage& i) { i.views[5].NameEnd = 2; }},
        {"CaptionStart before the title",
         [](BTabImage& i) { i.views[5].CaptionStart = i.views[5].NameEnd + 1; }},
        {"CaptionStart outside the text", [](BTabImage& i) { i.views[5].CaptionStart = 220; }},
        {"heading without its NUL",
         [](BTabImage& i) { std::memset(i.views[5].Text, 'a', i.views[5].CaptionStart); }},
        {"caption without its NUL",
         [](BTabImage& i) {
             ViewRecord& v = i.views[5];
             std::memset(v.Text + v.CaptionStart, 'a', 220 - v.CaptionStart);
         }},
        {"picture code leaving the folder",
         [](BTabImage& i) { std::memcpy(i.views[8].PicCode, "..//", 4); }},
        {"picture code with a NUL", [](BTabImage& i) { i.views[8].PicCode[3] = '\0'; }},
        {"21 London places",
         [](BTabImage& i) {
             for (int p = 0; p < 21; ++p)
                 i.places[static_cast<size_t>(p)].PlaceFlags2 |= kPlaceOnLondonInset;
         }},
    };
    ASSERT_EQ(load(sound), LoadError::None);
    for (const Damage& damage : damages) {
        BTabImage image = sound;
        damage.apply(image);
        EXPECT_EQ(load(image), LoadError::NotUnderstood) << damage.what;
    }
    BTabImage twenty = sound;
    for (int p = 0; p < 20; ++p)
        twenty.places[static_cast<size_t>(p)].PlaceFlags2 |= kPlaceOnLondonInset;
    ASSERT_EQ(load(twenty), LoadError::None);
    EXPECT_EQ(Content().LondonPlaceCount, 20);
}

TEST_F(ContentLoaderTest, LoadContentReportsAndShutsDown) {
    RecordingHost host;
    LoadContent(dir_.path());
    EXPECT_EQ(host.errors, std::vector<std::string>{kCannotReadDataFile});
    EXPECT_TRUE(host.stoppedStartup);
    EXPECT_EQ(host.shutdowns, 1);

    RecordingHost second;
    BTabImage image = smallImage();
    image.sectionTags[3][2] = 'M';
    dir_.writeTable(image);
    LoadContent(dir_.path());
    EXPECT_EQ(second.errors, std::vector<std::string>{kDataFileNotUnderstood});
    EXPECT_EQ(second.shutdowns, 1);
    EXPECT_FALSE(Content().loaded());
}

TEST_F(ContentLoaderTest, LoadContentPreparesEmptyFoundSetAndShowList) {
    RecordingHost host;
    dir_.writeTable(smallImage());
    LoadContent(dir_.path());
    ASSERT_TRUE(host.errors.empty());
    const ContentStore& c = Content();
    EXPECT_EQ(c.FoundHead, -1);
    EXPECT_EQ(c.ShowHead, -1);
    for (int p = 0; p < c.PlaceCount; ++p) {
        EXPECT_EQ(c.FoundLinks[p].FoundNext, -1);
        EXPECT_EQ(c.FoundLinks[p].FoundWestPrev, -1);
        EXPECT_EQ(c.ShowLinks[p].ShowPrev, -1);
    }
    EXPECT_FALSE(c.ExtraText.has_value());
    EXPECT_FALSE(c.StartHereText.has_value());
}

TEST_F(ContentLoaderTest, PictureFileNameAndPlaceNames) {
    EditionSource source = SimpleEdition(60, 2);
    source.places[0].views[0].picCode = "AB12";
    const BuiltEdition built = Build(source);
    ASSERT_EQ(load(built.image), LoadError::None);
    const int view = Content().place(built.placeIndexOfSource[0]).FirstView;
    EXPECT_EQ(PictureFileName(view), "A\\AB\\P012.JPG");

    std::vector<std::string> names{"stale"};
    FillPlaceNames(names);
    ASSERT_EQ(names.size(), 60u);
    for (size_t i = 1; i < names.size(); ++i) EXPECT_LT(names[i - 1], names[i]);
    EXPECT_EQ(Content().view(Content().ViewCount - 1).Place,
              Content()
                  .view([&] {
                      int v = 0;
                      while (Content().view(v).NextGroup != -1) v = Content().view(v).NextGroup;
                      return v;
                  }())
                  .Place);
}

TEST(FreeTexts, FirstLineWithinItsLimit) {
    DataDirectory dir;
    EXPECT_FALSE(ReadFirstLine(dir.path() + "missing.txt", 255).has_value());
    dir.write("empty.txt", "");
    EXPECT_FALSE(ReadFirstLine(dir.path() + "empty.txt", 255).has_value());
    dir.write("blank.txt", "\nsecond line\n");
    EXPECT_FALSE(ReadFirstLine(dir.path() + "blank.txt", 255).has_value());
    dir.write("two.txt", "first line\r\nsecond\n");
    EXPECT_EQ(ReadFirstLine(dir.path() + "two.txt", 255).value(), "first line\n");
    dir.write("bare.txt", "no newline");
    EXPECT_EQ(ReadFirstLine(dir.path() + "bare.txt", 255).value(), "no newline");

    dir.write("long.txt", std::string(300, 'x') + "\n");
    EXPECT_EQ(ReadFirstLine(dir.path() + "long.txt", 255).value(), std::string(255, 'x'));
    EXPECT_EQ(ReadFirstLine(dir.path() + "long.txt", 199).value(), std::string(199, 'x'));
    dir.write("fits.txt", std::string(254, 'y') + "\n");
    EXPECT_EQ(ReadFirstLine(dir.path() + "fits.txt", 255).value(), std::string(254, 'y') + "\n");
}

TEST_F(ContentLoaderTest, FreeTextsAreLoadedBesideTheTable) {
    RecordingHost host;
    dir_.writeTable(smallImage());
    dir_.write("ExtraText.txt", "Explore the Fernvales\n");
    dir_.write("StartHere.txt", std::string(250, 's'));
    LoadContent(dir_.path());
    EXPECT_EQ(Content().ExtraText.value(), "Explore the Fernvales\n");
    EXPECT_EQ(Content().StartHereText.value(), std::string(199, 's'));
}

}  // namespace
