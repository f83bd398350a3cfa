#pragma once

#include "search/ComparerContext.h"
#include "search/ContentComparer.h"
#include "search/ReaderPool.h"
#include "search/SizeRunReader.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

// Answers Same and Candidates from classes of byte-identical files that reader threads compute
// ahead of the analysis walk, several size runs at a time (SizeRunReader), exactly as the
// pairwise comparison would answer. Only this, on the window's thread, touches the index: the
// readers get paths and stamps, and the walk decides with the entries' flags as they are when
// it gets there.
class FastComparer final : public ContentComparer {
public:
    using Limits = SizeRunReader::Limits;

    explicit FastComparer(ComparerContext context);
    FastComparer(ComparerContext context, Limits limits);
    ~FastComparer() override;

    void BeginSizeRun(std::int64_t first, std::int64_t end) override;
    bool Same(std::int64_t a, std::int64_t b) override;
    const std::vector<std::int64_t>* Candidates(std::int64_t k) override;

private:
    // Starts reading the next size run of the index; false when there is none.
    bool PlanNext();
    void PlanAhead();
    std::shared_ptr<SizeRunJob> MakeJob(std::int64_t first, std::int64_t end);
    // False when a stop ended the wait.
    bool Await(SizeRunJob& job, std::int64_t end);
    // Tells the window of the job's files that could not be read or checked.
    void ReportUnreadable(const SizeRunJob& job);
    // Marks the entries grouped by their cached digests alone.
    void MarkTrusted(const SizeRunJob& job);

    ComparerContext context_;
    std::unique_ptr<ReaderPool> pool_;
    std::shared_ptr<SizeRunReader> reader_;
    std::deque<std::shared_ptr<SizeRunJob>> jobs_; // started, in the walk's order
    std::int64_t planned_ = 0;                     // where the next size run starts
    std::size_t aheadEntries_ = 0;                 // entries of jobs_
    std::uint64_t serial_ = 0;

    std::int64_t first_ = 0;
    // Class number of each position of the run (position - first_), -1 for none.
    std::vector<std::int32_t> classOf_;
    std::vector<std::vector<std::int64_t>> classes_;
};
