// How the selections rebuild the found set, shared by SelectYears, SelectTopics and
// SearchText: places are visited in place order, the members appended to the place-order list;
// then the east-west order is rebuilt from the memberships.
#pragma once

struct ContentStore;

class FoundSetRebuild {
  public:
    // Empties the place-order list (heads and tails -1); read the old list before this.
    explicit FoundSetRebuild(ContentStore& store);

    // A visited place: FoundNext = -1; a member is appended, any other gets FoundPrev = -1.
    void visit(int place, bool member);

    // Rebuilds the east-west order, increments FoundGeneration, clears TourOrderActive and
    // returns the number of members.
    int finish();

  private:
    ContentStore& c_;
    int count_ = 0;
};
