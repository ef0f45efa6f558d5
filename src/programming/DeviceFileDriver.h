// The real keyboard driver, reached through its device file: \\.\vorlan on
// Windows; elsewhere a character device (VORLAN_DEVICE, default /dev/vorlan)
// that answers the same control codes through ioctl. There the type request
// takes a pointer to one byte and returns the count of bytes it stored; the
// write request takes a pointer to the byte to send.
#pragma once

#include "programming/KeyboardDriver.h"

#include <string>

namespace vorlan {

class DeviceFileDriver : public KeyboardDriver {
public:
    // The device path of the platform.
    explicit DeviceFileDriver(std::string path = DefaultPath());
    ~DeviceFileDriver() override;
    DeviceFileDriver(const DeviceFileDriver&) = delete;
    DeviceFileDriver& operator=(const DeviceFileDriver&) = delete;

    bool Open() override;
    bool RequestKeyboardType(std::uint8_t& type, std::uint32_t& bytesReturned) override;
    bool WriteImageByte(std::uint8_t byte) override;
    void Close() override;
#ifndef _WIN32
    DriverFault LastFault() const override;
#endif

    const std::string& Path() const {
        return path;
    }

    // \\.\vorlan on Windows, /dev/vorlan elsewhere.
    static std::string DefaultPath();

private:
    std::string path;
#ifdef _WIN32
    void* handle = nullptr;
#else
    int fd = -1;
    DriverFault lastFault = DriverFault::Failed;
#endif
};

} // namespace vorlan
