#include "programming/DeviceFileDriver.h"

#include "common/FilePath.h"

#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vorlan {

DeviceFileDriver::DeviceFileDriver(std::string devicePath) : path(std::move(devicePath)) {}

DeviceFileDriver::~DeviceFileDriver() {
    Close();
}

#ifdef _WIN32

std::string DeviceFileDriver::DefaultPath() {
    return "\\\\.\\vorlan";
}

bool DeviceFileDriver::Open() {
    Close();
    HANDLE h = CreateFileW(PathFromUtf8(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return false;
    }
    handle = h;
    return true;
}

bool DeviceFileDriver::RequestKeyboardType(std::uint8_t& type, std::uint32_t& bytesReturned) {
    DWORD returned = 0;
    const BOOL ok = DeviceIoControl(static_cast<HANDLE>(handle), kIoctlGetKeyboardType, nullptr, 0,
                                    &type, 1, &returned, nullptr);
    bytesReturned = returned;
    return ok != FALSE;
}

bool DeviceFileDriver::WriteImageByte(std::uint8_t byte) {
    DWORD returned = 0;
    return DeviceIoControl(static_cast<HANDLE>(handle), kIoctlWriteImageByte, &byte, 1, nullptr, 0,
                           &returned, nullptr) != FALSE;
}

void DeviceFileDriver::Close() {
    if (handle != nullptr) {
        CloseHandle(static_cast<HANDLE>(handle));
        handle = nullptr;
    }
}

#else

std::string DeviceFileDriver::DefaultPath() {
    return "/dev/vorlan";
}

bool DeviceFileDriver::Open() {
    Close();
    // Without O_NONBLOCK a pipe named as the device would wait forever for
    // a writer; the driver's requests themselves are not affected.
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd >= 0) {
        struct stat info {};
        if (fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode)) {
            Close();
            return false;
        }
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    return fd >= 0;
}

DriverFault DeviceFileDriver::LastFault() const {
    return lastFault;
}

bool DeviceFileDriver::RequestKeyboardType(std::uint8_t& type, std::uint32_t& bytesReturned) {
    const int returned = ::ioctl(fd, kIoctlGetKeyboardType, &type);
    if (returned < 0) {
        bytesReturned = 0;
        return false;
    }
    bytesReturned = static_cast<std::uint32_t>(returned);
    return true;
}

bool DeviceFileDriver::WriteImageByte(std::uint8_t byte) {
    if (::ioctl(fd, kIoctlWriteImageByte, &byte) >= 0) {
        return true;
    }
    // An unplugged keyboard takes its device with it.
    lastFault = errno == ENODEV || errno == ENXIO || errno == EIO ? DriverFault::Gone
                : errno == ETIMEDOUT                              ? DriverFault::NotAnswering
                                                                  : DriverFault::Failed;
    return false;
}

void DeviceFileDriver::Close() {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

#endif

} // namespace vorlan
