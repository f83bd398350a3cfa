#pragma once

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// The test file system (tests/testfs) mounted over a source folder for the life of the object.
// Mounting needs root and /dev/fuse; where they are missing, Why() says so and nothing is
// mounted.
class TestFsMount {
public:
    TestFsMount(const std::string& program, const std::string& source, const std::string& at,
                const std::vector<std::string>& options)
        : at_(at), log_(at + ".log") {
        if (program.empty()) {
            why_ =
                "the test file system was not built: libfuse3 (libfuse3-dev, pkgconf) is missing";
            return;
        }
        if (geteuid() != 0) {
            why_ = "mounting the test file system needs root";
            return;
        }
        const int fuse = open("/dev/fuse", O_RDWR | O_CLOEXEC);
        if (fuse < 0) {
            why_ = "/dev/fuse cannot be opened: FUSE is not available here";
            return;
        }
        close(fuse);
        mkdir(at.c_str(), 0755);
        struct stat before;
        stat(at.c_str(), &before);
        std::vector<std::string> args{program, source, at};
        args.insert(args.end(), options.begin(), options.end());
        pid_ = fork();
        if (pid_ == 0) {
            std::vector<char*> argv;
            for (std::string& a : args)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            // Its messages are kept to say why it did not mount.
            const int log = open(log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(log, STDOUT_FILENO);
            dup2(log, STDERR_FILENO);
            execv(argv[0], argv.data());
            _exit(127);
        }
        // Mounted once the folder is on another device.
        for (int i = 0; i < 500; ++i) {
            struct stat now;
            if (stat(at.c_str(), &now) == 0 && now.st_dev != before.st_dev)
                return;
            int status;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        why_ = "the test file system did not mount: " + LastLine();
    }
    ~TestFsMount() {
        if (pid_ <= 0)
            return;
        Release();
        kill(pid_, SIGTERM);
        for (int i = 0; i < 300; ++i) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        umount2(at_.c_str(), MNT_DETACH);
    }
    TestFsMount(const TestFsMount&) = delete;
    TestFsMount& operator=(const TestFsMount&) = delete;

    // Empty when mounted; otherwise why it is not.
    const std::string& Why() const { return why_; }
    // Lets the reads that hang go on.
    void Release() {
        if (pid_ > 0)
            kill(pid_, SIGUSR1);
    }

private:
    std::string LastLine() const {
        std::ifstream in(log_);
        std::string line, last;
        while (std::getline(in, line))
            if (!line.empty())
                last = line;
        return last;
    }

    std::string at_;
    std::string log_;
    std::string why_;
    pid_t pid_ = -1;
};
