// Makes a large tree of small files for the memory and scaling benchmark, fast enough for
// millions of files: deep and wide folders, names of varied lengths (a few long, a few not in
// ASCII), sizes spread so that many share a size, sparse larger files whose sizes mostly do
// not, and a share of exact copies. The same arguments always make the same tree.
// Usage: kelvaro_make_tree ROOT FILES [SEED]
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Random {
    std::uint64_t s;
    std::uint64_t Next() {
        // splitmix64: cheap, and each seed gives its own stream.
        std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint64_t Below(std::uint64_t n) { return n ? Next() % n : 0; }
    bool Chance(unsigned percent) { return Below(100) < percent; }
};

// What a small file holds follows from its seed, so that a copy needs only the seed.
struct Content {
    std::uint64_t seed;
    std::int64_t size;
};

constexpr std::int64_t kSmallMax = 8192;
constexpr std::int64_t kHead = 512; // what a sparse file really holds, at its start

class Maker {
public:
    Maker(std::uint64_t seed, std::int64_t files) : rnd_{seed}, left_(files) {}

    void Fill(const std::string& dir, int depth) {
        // Leaves hold more files than the folders above them; the top holds few.
        const int files = depth == 0 ? 0 : static_cast<int>(rnd_.Below(depth < 3 ? 12 : 48));
        for (int i = 0; i < files && left_ > 0; ++i)
            MakeFile(dir, i);
        if (depth >= 7 || left_ == 0)
            return;
        const int subs = depth == 0 ? 1 << 30 : static_cast<int>(2 + rnd_.Below(depth < 4 ? 9 : 4));
        for (int i = 0; i < subs && left_ > 0; ++i) {
            const std::string sub = dir + "/" + Name(i, false);
            if (mkdir(sub.c_str(), 0755) != 0 && errno != EEXIST)
                Fail(sub);
            Fill(sub, depth + 1);
        }
    }

private:
    std::string Name(int index, bool file) {
        static const char kLetters[] =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_-0123456789 ";
        static const char* const kExt[] = {".jpg", ".txt",  ".pdf", ".mp3",
                                           ".c",   ".html", "",     ".dat"};
        // Mostly 4 to 24 bytes, some to 60, a few long ones.
        std::size_t len = 4 + rnd_.Below(20);
        if (rnd_.Chance(15))
            len += rnd_.Below(40);
        if (rnd_.Chance(1))
            len += 100 + rnd_.Below(90);
        std::string name;
        name.reserve(len + 16);
        for (std::size_t i = 0; i < len; ++i)
            name += kLetters[rnd_.Below(sizeof kLetters - 2)];
        if (rnd_.Chance(2))
            name += "\xc3\xa9t\xc3\xa9";     // été
        name += "-" + std::to_string(index); // unique in its folder
        if (file)
            name += kExt[rnd_.Below(8)];
        return name;
    }

    void MakeFile(const std::string& dir, int index) {
        const std::string path = dir + "/" + Name(index, true);
        Content c{};
        bool sparse = false;
        if (!recent_.empty() && rnd_.Chance(10)) {
            c = recent_[rnd_.Below(recent_.size())]; // a copy of a file made not long ago
        } else if (rnd_.Chance(1)) {
            c = {rnd_.Next(), 0};
        } else if (rnd_.Chance(25)) {
            // Larger and sparse: the size is mostly its own, and only its head is written.
            c = {rnd_.Next(), kSmallMax + 1 + static_cast<std::int64_t>(rnd_.Below(64 << 20))};
            sparse = true;
        } else {
            // Spread evenly over the logarithm of the size, so that small sizes are shared most.
            const double e = static_cast<double>(rnd_.Below(1 << 20)) / (1 << 20);
            c = {rnd_.Next(), static_cast<std::int64_t>(std::exp(e * std::log(kSmallMax)))};
            if (recent_.size() < 4096)
                recent_.push_back(c);
            else
                recent_[rnd_.Below(recent_.size())] = c;
        }
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0)
            Fail(path);
        Random bytes{c.seed};
        const std::int64_t written = sparse ? kHead : c.size;
        buffer_.resize(static_cast<std::size_t>(written));
        for (std::int64_t i = 0; i < written; i += 8) {
            const std::uint64_t v = bytes.Next();
            std::memcpy(buffer_.data() + i, &v,
                        static_cast<std::size_t>(std::min<std::int64_t>(8, written - i)));
        }
        if ((written > 0 && write(fd, buffer_.data(), buffer_.size()) != written) ||
            (sparse && ftruncate(fd, c.size) != 0) || close(fd) != 0)
            Fail(path);
        --left_;
    }

    [[noreturn]] static void Fail(const std::string& path) {
        std::fprintf(stderr, "kelvaro_make_tree: %s: %s\n", path.c_str(), std::strerror(errno));
        std::exit(1);
    }

    Random rnd_;
    std::int64_t left_;
    std::vector<Content> recent_;
    std::vector<char> buffer_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ROOT FILES [SEED]\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    const std::int64_t files = std::atoll(argv[2]);
    const std::uint64_t seed = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1;
    if (mkdir(root.c_str(), 0755) != 0 && errno != EEXIST) {
        std::perror(root.c_str());
        return 1;
    }
    Maker(seed, files).Fill(root, 0);
    return 0;
}
