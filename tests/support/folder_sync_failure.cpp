// Test-only LD_PRELOAD library: flushing a folder to the disk fails with an
// I/O error, as on a disk that fails while a file's new name is written into
// its folder. Files themselves flush as usual.
#include <dlfcn.h>
#include <sys/stat.h>

#include <cerrno>

extern "C" int fsync(int fd)
{
    using fsync_fn = int (*)(int);
    static const auto real = reinterpret_cast<fsync_fn>(dlsym(RTLD_NEXT, "fsync"));
    struct stat status {};
    if (fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        errno = EIO;
        return -1;
    }
    return real(fd);
}
