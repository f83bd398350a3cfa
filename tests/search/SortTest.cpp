#include "search/SearchRun.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// The quicksort as written, recursion and all, to check the stack-based one against.
void ReferenceSort(std::vector<TFile*>& v, std::int64_t L, std::int64_t R) {
    std::int64_t I;
    do {
        I = L;
        std::int64_t J = R;
        TFile* pivot = v[static_cast<std::size_t>((L + R) / 2)];
        do {
            while (CompareSizes(*v[static_cast<std::size_t>(I)], *pivot) < 0)
                ++I;
            while (CompareSizes(*v[static_cast<std::size_t>(J)], *pivot) > 0)
                --J;
            if (I <= J) {
                std::swap(v[static_cast<std::size_t>(I)], v[static_cast<std::size_t>(J)]);
                ++I;
                --J;
            }
        } while (I <= J);
        if (L < J)
            ReferenceSort(v, L, J);
        L = I;
    } while (I < R);
}

TEST(SortTest, GivesTheSameOrderAsTheRecursiveQuicksort) {
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        TFileList list;
        const int n = static_cast<int>(rng() % 300);
        const int distinct = 1 + static_cast<int>(rng() % 20);
        for (int i = 0; i < n; ++i) {
            TFile* f = list.Add(std::to_string(i));
            f->Size = static_cast<std::int64_t>(rng() % static_cast<unsigned>(distinct));
        }
        std::vector<TFile*> expected;
        for (std::int64_t i = 0; i < list.Count(); ++i)
            expected.push_back(list[i]);
        if (n > 0)
            ReferenceSort(expected, 0, n - 1);
        SortFileList(list);
        for (std::int64_t i = 0; i < list.Count(); ++i)
            ASSERT_EQ(list[i], expected[static_cast<std::size_t>(i)]) << "round " << round;
        for (std::int64_t i = 1; i < list.Count(); ++i)
            ASSERT_GE(list[i - 1]->Size, list[i]->Size);
    }
}

TEST(SortTest, EqualSizesComeOutInTheOrderTheSortLeaves) {
    // Three of a size: the middle one is the pivot and the outer two swap.
    TFileList list;
    for (const char* n : {"a", "b", "c"}) {
        list.Add(n)->Size = 10;
    }
    SortFileList(list);
    EXPECT_EQ(list[0]->Name(), "c");
    EXPECT_EQ(list[1]->Name(), "b");
    EXPECT_EQ(list[2]->Name(), "a");
}

TEST(SortTest, SizesAbove4GiBSortAsTheyAre) {
    TFileList list;
    for (std::int64_t s : {1LL, (1LL << 32) + 1, 1LL << 33}) {
        list.Add("")->Size = s;
    }
    SortFileList(list);
    EXPECT_EQ(list[0]->Size, 1LL << 33);
    EXPECT_EQ(list[1]->Size, (1LL << 32) + 1);
    EXPECT_EQ(list[2]->Size, 1);
}

} // namespace
