#pragma once

#include <cstdint>
#include <string>

// A temporary folder tree made by a test and removed afterwards. Paths given are relative to
// the root; parents are created as needed.
class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::string& Root() const { return root_; }
    std::string Path(const std::string& relative) const;

    std::string CreateFile(const std::string& relative, const std::string& bytes);
    // size bytes of a pattern that depends on seed; the same seed gives the same bytes.
    std::string CreatePatternFile(const std::string& relative, std::int64_t size,
                                  unsigned seed = 1);
    std::string CreateDir(const std::string& relative);
    std::string CreateSymlink(const std::string& relative, const std::string& target);
    std::string CreateHardLink(const std::string& relative, const std::string& existing);
    std::string CreateFifo(const std::string& relative);
    void Remove(const std::string& relative);
    std::string Read(const std::string& relative) const;

private:
    void MakeParents(const std::string& path);
    std::string root_;
};
