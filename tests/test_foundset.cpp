// The found set: year and topic selections, its two orders, membership, and the tour order.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "content/foundset.h"
#include "tests/support/queryfixture.h"
#include "tests/support/queryoracle.h"

namespace {

// Everything a refused selection must leave alone.
struct FoundSnapshot {
    std::vector<FoundLink> links;
    std::vector<uint32_t> masksB;
    int16_t heads[4];
    int generation;
    bool tourOrder;

    static FoundSnapshot take() {
        const ContentStore& c = Content();
        FoundSnapshot s;
        s.links.assign(c.FoundLinks.get(), c.FoundLinks.get() + c.PlaceCount);
        for (int v = 0; v < c.ViewCount; ++v) s.masksB.push_back(c.view(v).TopicMaskB);
        s.heads[0] = c.FoundHead;
        s.heads[1] = c.FoundTail;
        s.heads[2] = c.FoundEastHead;
        s.heads[3] = c.FoundEastTail;
        s.generation = c.FoundGeneration;
        s.tourOrder = c.TourOrderActive;
        return s;
    }
    bool operator==(const FoundSnapshot& o) const {
        return links.size() == o.links.size() &&
               std::memcmp(links.data(), o.links.data(), links.size() * sizeof(FoundLink)) == 0 &&
               masksB == o.masksB && std::memcmp(heads, o.heads, sizeof heads) == 0 &&
               generation == o.generation && tourOrder == o.tourOrder;
    }
};

// Both lists hold exactly the members, in place order and in east-west order, with consistent
// back links, and IsInFoundSet agrees.
void expectFoundSetIs(const std::vector<bool>& members) {
    const ContentStore& c = Content();
    std::vector<int> byPlace;
    for (int p = 0; p < c.PlaceCount; ++p) {
        EXPECT_EQ(IsInFoundSet(p), members[static_cast<size_t>(p)]) << "place " << p;
        if (members[static_cast<size_t>(p)]) byPlace.push_back(p);
    }
    std::vector<int> byX;
    for (int e = 0; e < c.PlaceCount; ++e) {
        if (members[static_cast<size_t>(c.EastWestTable[e].place)])
            byX.push_back(c.EastWestTable[e].place);
    }
    std::vector<int> walked;
    for (int p = c.FoundHead, prev = -1; p != -1; prev = p, p = c.FoundLinks[p].FoundNext) {
        EXPECT_EQ(c.FoundLinks[p].FoundPrev, prev);
        walked.push_back(p);
        ASSERT_LE(walked.size(), byPlace.size());
    }
    EXPECT_EQ(walked, byPlace);
    EXPECT_EQ(c.FoundTail, byPlace.empty() ? -1 : byPlace.back());
    walked.clear();
    for (int p = c.FoundEastHead, prev = -1; p != -1; prev = p, p = c.FoundLinks[p].FoundEastNext) {
        EXPECT_EQ(c.FoundLinks[p].FoundWestPrev, prev);
        walked.push_back(p);
        ASSERT_LE(walked.size(), byX.size());
    }
    EXPECT_EQ(walked, byX);
    EXPECT_EQ(c.FoundEastTail, byX.empty() ? -1 : byX.back());
    EXPECT_EQ(HasFoundSet(), !byPlace.empty());
    for (int p = 0; p < c.PlaceCount; ++p) {
        if (members[static_cast<size_t>(p)]) continue;
        const FoundLink& link = c.FoundLinks[p];
        EXPECT_EQ(link.FoundPrev, -1);
        EXPECT_EQ(link.FoundNext, -1);
        EXPECT_EQ(link.FoundEastNext, -1);
        EXPECT_EQ(link.FoundWestPrev, -1);
    }
}

int countOf(const std::vector<bool>& members) {
    return static_cast<int>(std::count(members.begin(), members.end(), true));
}

class FoundSetTest : public QueryTest {};

TEST_F(FoundSetTest, SelectYearsMarksTheViewsAndBuildsBothOrders) {
    ASSERT_NO_FATAL_FAILURE(load(ScatteredEdition(200, 3, 5)));
    const ContentStore& c = Content();
    int generation = c.FoundGeneration;
    for (auto [first, last] : {std::pair{1500, 1600}, std::pair{1999, 2000}, std::pair{1600, 1601},
                               std::pair{-3000, 5000}, std::pair{2001, 3000}}) {
        const std::vector<bool> members = MembersByYears(first, last);
        EXPECT_EQ(SelectYears(first, last), countOf(members));
        EXPECT_EQ(c.FoundGeneration, ++generation);
        EXPECT_FALSE(c.TourOrderActive);
        expectFoundSetIs(members);
        for (int v = 0; v < c.ViewCount; ++v)
            EXPECT_EQ(c.view(v).hasFoundMark(), first <= c.view(v).Year && c.view(v).Year <= last);
    }
    EXPECT_FALSE(HasFoundSet());  // the last range finds nothing: heads and tails are -1
    EXPECT_EQ(c.FoundHead, -1);
    EXPECT_EQ(c.FoundEastHead, -1);
}

TEST_F(FoundSetTest, RefusedSelectionsChangeNothing) {
    ASSERT_NO_FATAL_FAILURE(load(ScatteredEdition(120, 2, 6)));
    ASSERT_GT(SelectYears(1500, 1700), 0);
    const FoundSnapshot before = FoundSnapshot::take();
    EXPECT_EQ(SelectYears(1700, 1700), -1);
    EXPECT_EQ(SelectYears(1800, 1700), -1);
    EXPECT_EQ(SelectTopics(0, 0), -1);
    EXPECT_TRUE(FoundSnapshot::take() == before);
}

TEST_F(FoundSetTest, SelectTopicsTestsBothMasks) {
    EditionSource source = ScatteredEdition(150, 2, 7);
    std::mt19937 random(7);
    for (SourcePlace& place : source.places) {
        for (SourceView& view : place.views) {
            view.topicMaskA = random() & random() & 0xFFFFFFFFu;
            view.topicMaskB = random() & 0x3F;
        }
    }
    ASSERT_NO_FATAL_FAILURE(load(source));
    const ContentStore& c = Content();
    for (auto [a, b] : {std::pair{0x40u, 0u}, std::pair{0u, 0x20u}, std::pair{0x80000000u, 0x1u},
                        std::pair{0x10u, 0x6u}}) {
        const std::vector<bool> members = MembersByTopics(a, b);
        EXPECT_EQ(SelectTopics(a, b), countOf(members));
        expectFoundSetIs(members);
        for (int v = 0; v < c.ViewCount; ++v) {
            const ViewRecord& view = c.view(v);
            EXPECT_EQ(view.hasFoundMark(), ((view.TopicMaskA & a) | (view.TopicMaskB & b)) != 0);
        }
    }
}

TEST_F(FoundSetTest, AOnePlaceSetIsInBothLists) {
    EditionSource source = ScatteredEdition(80, 2, 8);
    source.places[17].views[1].year = 1234;
    ASSERT_NO_FATAL_FAILURE(load(source));
    ASSERT_EQ(SelectYears(1200, 1300), 1);
    const int p = placeOf(17);
    EXPECT_TRUE(IsInFoundSet(p));
    EXPECT_TRUE(HasFoundSet());
    const ContentStore& c = Content();
    EXPECT_EQ(c.FoundHead, p);
    EXPECT_EQ(c.FoundTail, p);
    EXPECT_EQ(c.FoundEastHead, p);
    EXPECT_EQ(c.FoundEastTail, p);
    std::vector<bool> members(static_cast<size_t>(c.PlaceCount), false);
    members[static_cast<size_t>(p)] = true;
    expectFoundSetIs(members);
    EXPECT_FALSE(IsInFoundSet(-1));
    EXPECT_FALSE(IsInFoundSet(c.PlaceCount));
}

TEST_F(FoundSetTest, TourOrderMakesARingAndReportsStopsOutsideTheSet) {
    EditionSource source = ScatteredEdition(100, 1, 9);
    for (int s : {3, 10, 20, 30, 40})
        source.places[static_cast<size_t>(s)].views[0].topicMaskA = 0x40;
    ASSERT_NO_FATAL_FAILURE(load(source));
    const int outside = placeOf(50);
    TourTable tour;
    for (int s : {3, 10, 20, 30, 40}) tour.places[tour.count++] = static_cast<int16_t>(placeOf(s));
    tour.places[tour.count++] = static_cast<int16_t>(outside);
    tour.places[tour.count++] = 4000;  // names no place: reported, left out of the ring
    Content().Tour = tour;
    ASSERT_EQ(SelectTopics(0x40, 0), 5);
    const int generation = Content().FoundGeneration;
    ApplyTourOrder();
    EXPECT_EQ(host.errors,
              (std::vector<std::string>{
                  "List mis-match: place " + std::to_string(outside) + " not in found set",
                  "List mis-match: place 4000 not in found set"}));
    const ContentStore& c = Content();
    EXPECT_TRUE(c.TourOrderActive);
    EXPECT_EQ(c.FoundGeneration, generation);
    // The ring: 3, 10, 20, 30, 40, outside, and back to 3, both ways.
    std::vector<int> ring;
    for (int s : {3, 10, 20, 30, 40}) ring.push_back(placeOf(s));
    ring.push_back(outside);
    for (size_t i = 0; i < ring.size(); ++i) {
        const int next = ring[(i + 1) % ring.size()];
        EXPECT_EQ(c.FoundLinks[ring[i]].FoundEastNext, next);
        EXPECT_EQ(c.FoundLinks[next].FoundWestPrev, ring[i]);
    }
    // Membership does not change: the linked outsider stays outside.
    EXPECT_FALSE(IsInFoundSet(outside));
    EXPECT_TRUE(IsInFoundSet(ring[0]));
}

}  // namespace
