#include "programming/DeviceFileDriver.h"

#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace vorlan {

DeviceFileDriver::DeviceFileDriver(std::string path) : path(std::move(path)) {}

DeviceFileDriver::~DeviceFileDriver() {
    Close();
}

#ifdef _WIN32

std::string DeviceFileDriver::DefaultPath() {
    return "\\\\.\\vorlan";
}

bool DeviceFileDriver::Open() {
    Close();
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
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
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    return fd >= 0;
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
    return ::ioctl(fd, kIoctlWriteImageByte, &byte) >= 0;
}

void DeviceFileDriver::Close() {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

#endif

} // namespace vorlan
