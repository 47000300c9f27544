#include "model/SafeFile.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closing can report a failed write-back (NFS, a full quota); a save must hear it.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

FileMessage said(const char* text) { return {text, {}}; }

FileMessage readFailure(int error) {
    switch (error) {
    case ENOENT: return said(fileopen::Missing);
    case EACCES:
    case EPERM: return said(fileopen::NotAllowedToRead);
    case ENAMETOOLONG: return said(fileopen::NameTooLong);
    case ENOTDIR: return said(fileopen::NotAFolderInPath);
    case ELOOP: return said(fileopen::TooManyLinks);
    default: return {fileopen::SystemReason, {std::strerror(error)}};
    }
}

FileMessage writeFailure(int error) {
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return said(fileopen::DiskFull);
    case ENOENT: return said(fileopen::NoSuchFolder);
    case EACCES:
    case EPERM: return said(fileopen::NotAllowedToWrite);
    case EROFS: return said(fileopen::ReadOnlyDisk);
    case EISDIR: return said(fileopen::FolderHasThatName);
    case ENAMETOOLONG: return said(fileopen::NameTooLong);
    case ENOTDIR: return said(fileopen::NotAFolderInPath);
    default: return {fileopen::SystemReason, {std::strerror(error)}};
    }
}

FileMessage notRegular(mode_t mode) {
    return said(S_ISDIR(mode) ? fileopen::FolderHasThatName : fileopen::NotAnOrdinaryFile);
}

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

struct PathParts {
    std::string folder;  // "." for a bare name
    std::string name;
};

PathParts split(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// NAME.saving-PID-N: the process that writes it is in the name, so that a
// temporary left by a program that died mid-save can be told from one that
// another program is writing right now. A long NAME is cut short, so that the
// temporary's name stays within the 255 bytes a folder entry may have: room
// is left for ".saving-" and two numbers of up to ten digits.
std::string temporaryPrefix(const std::string& name) {
    constexpr std::size_t LongestName = 255 - (8 + 10 + 1 + 10);
    return name.substr(0, LongestName) + ".saving-";
}

void removeStaleTemporaries(const PathParts& parts) {
    DIR* dir = ::opendir(parts.folder.c_str());
    if (dir == nullptr) return;
    const std::string prefix = temporaryPrefix(parts.name);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name.substr(0, prefix.size()) != prefix) continue;
        const std::string_view rest = name.substr(prefix.size());
        const std::size_t dash = rest.find('-');
        if (dash == 0 || dash == std::string_view::npos) continue;
        long pid = 0;
        bool digits = true;
        for (char c : rest.substr(0, dash)) {
            if (c < '0' || c > '9' || pid > 100000000) digits = false;
            pid = pid * 10 + (c - '0');
        }
        if (!digits || pid == ::getpid()) continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        const std::string path = parts.folder + "/" + std::string(name);
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) ::unlink(path.c_str());
    }
    ::closedir(dir);
}

// A new file beside the target that nobody else can have opened: created
// exclusively, never through a link.
int createTemporary(const PathParts& parts, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = parts.folder + "/" + temporaryPrefix(parts.name) + std::to_string(::getpid()) + "-" +
                   std::to_string(counter++);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// The rename is only durable once the folder that records it is on the disk.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

FileText readRegularFile(const std::string& path, std::size_t maxBytes) {
    // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid()) {
        if (errno == ENXIO) return {false, {}, notRegular(S_IFSOCK)};
        return {false, {}, readFailure(errno)};
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return {false, {}, readFailure(errno)};
    if (!S_ISREG(st.st_mode)) return {false, {}, notRegular(st.st_mode)};
    if (static_cast<unsigned long long>(st.st_size) > maxBytes)
        return {false, {}, said(fileopen::FarTooLarge)};

    FileText result;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {false, {}, readFailure(errno)};
        if (n == 0) break;
        // The file may grow while it is read.
        if (result.text.size() + static_cast<std::size_t>(n) > maxBytes)
            return {false, {}, said(fileopen::FarTooLarge)};
        result.text.append(buffer, static_cast<std::size_t>(n));
    }
    return result;
}

FileMessage writeFileDurably(const std::string& path, const std::string& text) {
    if (path.empty() || path.back() == '/') return said(fileopen::FolderHasThatName);
    const PathParts parts = split(path);
    struct stat old {};
    const bool replacing = ::stat(path.c_str(), &old) == 0;
    if (!replacing && errno != ENOENT) return writeFailure(errno);
    // Renaming over a pipe or a device would quietly turn it into a file.
    if (replacing && !S_ISREG(old.st_mode)) return notRegular(old.st_mode);
    // The rename needs only the folder's permission, but a player who made
    // the file read-only meant to keep it.
    if (replacing && (old.st_mode & 0222) == 0) return said(fileopen::ReadOnlyFile);

    removeStaleTemporaries(parts);
    std::string tempPath;
    Descriptor fd(createTemporary(parts, tempPath));
    if (!fd.valid()) return writeFailure(errno);
    int error = 0;
    if (!writeAll(fd.get(), text)) error = errno;
    if (error == 0 && replacing && ::fchmod(fd.get(), old.st_mode & 07777) != 0) error = errno;
    if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
    if (!fd.close() && error == 0) error = errno;
    if (error == 0 && ::rename(tempPath.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(tempPath.c_str());
        return writeFailure(error);
    }
    syncFolder(parts.folder);
    return {};
}
