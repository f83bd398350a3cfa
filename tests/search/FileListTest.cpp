#include "search/TFile.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Names of every length a file system allows, some not UTF-8 and some not text at all.
std::string NameOf(int i) {
    std::string name(static_cast<std::size_t>(i % 256), static_cast<char>('a' + i % 26));
    if (i % 7 == 0 && !name.empty())
        name[0] = static_cast<char>(0xff); // not UTF-8
    if (i % 11 == 0 && name.size() > 2)
        name[1] = static_cast<char>(0x80 | (i % 64));
    return name;
}

TEST(FileList, EntriesNeverMoveAndKeepTheirNamesWhileTheListGrows) {
    TFileList list;
    std::vector<TFile*> made;
    for (int i = 0; i < 5000; ++i) {
        TFile* f = list.Add(NameOf(i));
        f->Size = i;
        made.push_back(f);
    }
    ASSERT_EQ(list.Count(), 5000);
    for (int i = 0; i < 5000; ++i) {
        ASSERT_EQ(list[i], made[static_cast<std::size_t>(i)]);
        ASSERT_EQ(list[i]->Name(), NameOf(i)) << i;
        ASSERT_EQ(list[i]->Size, i);
        ASSERT_EQ(list[i]->GroupNo, 0);
        ASSERT_EQ(list[i]->Flags, 0);
    }
    EXPECT_EQ(sizeof(TFile), 48u); // what the index costs per file
}

TEST(FileList, TakingEntriesOutFreesTheirChunksAndLeavesTheOthersInPlace) {
    TFileList list;
    for (int i = 0; i < 3000; ++i)
        list.Add(NameOf(i))->Size = i;
    const std::size_t chunks = list.Measure().chunks;
    ASSERT_GT(chunks, 2u);

    // Every other entry: no chunk empties, the rest stay where they were, in order.
    std::vector<TFile*> kept;
    for (std::int64_t i = 1; i < list.Count(); i += 2)
        kept.push_back(list[i]);
    EXPECT_EQ(list.RemoveIf([](const TFile& f) { return f.Size % 2 == 0; }), 1500);
    EXPECT_EQ(list.Measure().chunks, chunks);
    ASSERT_EQ(list.Count(), 1500);
    for (std::int64_t i = 0; i < list.Count(); ++i) {
        ASSERT_EQ(list[i], kept[static_cast<std::size_t>(i)]);
        ASSERT_EQ(list[i]->Name(), NameOf(static_cast<int>(2 * i + 1)));
    }

    // One at a time from the front, then the rest at once: each chunk goes with its last entry.
    while (list.Count() > 0 && list[0]->Size < 1500)
        list.Delete(0);
    EXPECT_LT(list.Measure().chunks, chunks);
    EXPECT_EQ(list[0]->Name(), NameOf(1501));
    list.RemoveIf([](const TFile&) { return true; });
    EXPECT_EQ(list.Measure().chunks, 0u);

    // Emptied, it makes new entries as before.
    EXPECT_EQ(list.Add("again")->Name(), "again");
    list.Clear();
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.Measure().chunks, 0u);
}

TEST(FileList, ManyEntriesKeepTheirNamesAndIdentitiesAcrossSlabsAndReusedChunks) {
    // Enough short names for several 2 MiB slabs of chunks.
    TFileList list;
    const dev_t devices[] = {0, 1, 0x10302, ~dev_t{0} - 1};
    auto identity = [&](int i) {
        return platform::FileIdentity{devices[i % 4], static_cast<ino_t>(i) * 2654435761u};
    };
    auto make = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            TFile* f = list.Add("n" + std::to_string(i));
            f->Size = i;
            f->SetId(identity(i));
        }
    };
    make(0, 100000);
    ASSERT_GT(list.Measure().chunkBytes, std::size_t{4} << 20);
    // Every third entry goes, and a run of half the entries; what is made next takes their room.
    list.RemoveIf(
        [](const TFile& f) { return f.Size % 3 == 0 || (f.Size >= 10000 && f.Size < 60000); });
    const std::size_t reserved = list.Measure().slabBytes;
    make(100000, 140000);
    EXPECT_EQ(list.Measure().slabBytes, reserved);
    for (std::int64_t i = 0; i < list.Count(); ++i) {
        const TFile& f = *list[i];
        const int n = static_cast<int>(f.Size);
        ASSERT_EQ(f.Name(), "n" + std::to_string(n));
        ASSERT_EQ(f.Id(), identity(n));
        ASSERT_EQ(f.GroupNo, 0);
    }
    // The order holds 4 bytes a place, and a place exchanged finds the entry it now holds.
    const std::int64_t last = list.Count() - 1;
    EXPECT_LE(list.Measure().positionBytes, 4 * static_cast<std::size_t>(last + 1) + (64 << 10));
    TFile* first = list[0];
    TFile* end = list[last];
    list.Exchange(0, last);
    EXPECT_EQ(list[0], end);
    EXPECT_EQ(list.IndexOf(first), last);
    // The longest name a file system gives fits; a longer one is refused, and nothing is added.
    EXPECT_EQ(list.Add(std::string(TFileList::kMaxName, 'x'))->Name().size(), TFileList::kMaxName);
    const std::int64_t count = list.Count();
    EXPECT_THROW(list.Add(std::string(TFileList::kMaxName + 1, 'x')), std::length_error);
    EXPECT_EQ(list.Count(), count);
}

TEST(FileList, AnEntryMadeOutsideAListHasNoName) {
    TFile f;
    EXPECT_EQ(f.Name(), "");
    EXPECT_EQ(f.Id(), platform::FileIdentity{});
}

// A reader keeps the run's folders in a copy of the list; the window may meanwhile start another
// run with other folders.
TEST(EntryPath, ACopyOfTheFolderListOutlivesTheListItCameFrom) {
    TDirList run{"/a", "/b/c"};
    const TDirList reader = run;
    run = TDirList{"/other"};
    run.clear();
    ASSERT_EQ(reader.size(), 2u);
    EXPECT_EQ(reader[1], "/b/c");
    TFileList list;
    TFile* f = list.Add("n");
    f->DirIndex = 1;
    EXPECT_EQ(EntryPath(reader, *f), "/b/c/n");
    EXPECT_EQ(EntryPath(run, *f), "");
}

TEST(EntryPath, IsTheFolderOfTheEntryAndItsName) {
    const TDirList dirs{"/", "/home/me", "/odd \xff"};
    TFileList list;
    TFile* f = list.Add("x.txt");
    EXPECT_EQ(EntryPath(dirs, *f), "/x.txt");
    f->DirIndex = 1;
    EXPECT_EQ(EntryPath(dirs, *f), "/home/me/x.txt");
    f->DirIndex = 2;
    EXPECT_EQ(EntryPath(dirs, *f), "/odd \xff/x.txt");
    // The folders lie in one block, each ending where the system expects a path to.
    EXPECT_EQ(dirs[1].data()[dirs[1].size()], '\0');
    EXPECT_EQ(dirs[2].data()[dirs[2].size()], '\0');
    for (std::int32_t outside : {3, -1}) {
        f->DirIndex = outside;
        EXPECT_EQ(EntryPath(dirs, *f), "");
        EXPECT_FALSE(EntryFolder(dirs, *f));
    }
    EXPECT_EQ(TDirList().size(), 0u);
    EXPECT_EQ(TDirList(std::vector<std::string>{}).size(), 0u);
}

} // namespace

namespace {

// Last in this file: it fills the program's table of devices.
TEST(FileList, DevicesPastTheTableShareANumberThatNoFileHas) {
    TFileList list;
    std::vector<TFile*> made;
    for (dev_t d = 1; d <= 5000; ++d) {
        made.push_back(list.Add("f"));
        made.back()->SetId({d, 7});
    }
    int kept = 0;
    for (dev_t d = 1; d <= 5000; ++d) {
        const platform::FileIdentity id = made[d - 1]->Id();
        if (id.device == d) {
            ++kept;
            continue;
        }
        // A later look at the file never matches it, and it is never a copy of another such.
        EXPECT_EQ(id.device, ~dev_t{0});
        EXPECT_EQ(id, made.back()->Id());
    }
    EXPECT_GT(kept, 4000);
    EXPECT_LT(kept, 5000);
}

} // namespace
