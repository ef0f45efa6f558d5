// The Win32 device backend, where no keyboard driver is installed (as under
// Wine): every way to the keyboard ends in "Vorlan driver error.".
#include "layout/LayoutFile.h"
#include "programming/DeviceFileDriver.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>

#ifdef _WIN32
#include <windows.h>
#endif

namespace vorlan::hardening {
namespace {

#ifdef _WIN32

TEST(WindowsDriver, TheDeviceIsTheDriversPath) {
    EXPECT_EQ(DeviceFileDriver::DefaultPath(), "\\\\.\\vorlan");
}

TEST(WindowsDriver, WithoutADriverNothingOpens) {
    DeviceFileDriver driver;
    EXPECT_EQ(DetectKeyboardType(driver), Detection::Failed(DetectError::NoDevice));
    const std::uint8_t image[450] = {};
    SystemPacingClock clock;
    EXPECT_EQ(WriteDeviceImage(driver, image, 450, WriteProgress{}, clock), WriteNoDevice);
}

// True when nobody holds the file open: the driver opens its device without
// sharing, so any handle it kept would refuse this open.
bool NobodyHolds(const std::filesystem::path& path) {
    HANDLE h = CreateFileA(path.string().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(h);
    return true;
}

// An ordinary file opens like the device but answers no request, which walks
// the ways out after a successful open: each must give the handle back.
TEST(WindowsDriver, EveryOperationGivesTheHandleBack) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("vorlan-windows-handle-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path device = dir / "device";
    std::ofstream(device, std::ios::binary) << "not a keyboard";
    ASSERT_TRUE(NobodyHolds(device));

    DeviceFileDriver driver(device.string());
    EXPECT_EQ(DetectKeyboardType(driver), Detection::Failed(DetectError::RequestFailed));
    EXPECT_TRUE(NobodyHolds(device)) << "after detecting the type";
    const std::uint8_t image[450] = {};
    SystemPacingClock clock;
    EXPECT_EQ(WriteDeviceImage(driver, image, 450, WriteProgress{}, clock), WriteRequestFailed);
    EXPECT_TRUE(NobodyHolds(device)) << "after a write";
    ASSERT_TRUE(driver.Open());
    EXPECT_FALSE(NobodyHolds(device)) << "the device is opened without sharing";
    driver.Close();
    EXPECT_TRUE(NobodyHolds(device)) << "after Close";

    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}

TEST(WindowsDriver, VorlanctlProgramReportsTheMissingDriver) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("vorlan-windows-driver-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path layout = dir / "file.txt";
    {
        LayoutDocument doc;
        doc.keys[1].codes[0] = 28;
        doc.keys[1].name = "A";
        doc.filePath = layout.string();
        ASSERT_TRUE(WriteLayout(doc, KeyboardVariant::SevenThreeScan));
    }
    // The real device, not an emulated keyboard someone's environment chose.
    ASSERT_EQ(_putenv_s("VORLAN_DEVICE", ""), 0);
    const std::filesystem::path errors = dir / "stderr.txt";
    // cmd /c drops the first and the last quote of the line: quote it whole.
    const std::string command = "\"\"" + std::string(VORLAN_VORLANCTL) + "\" program \"" +
                                layout.string() + "\" 2>\"" + errors.string() + "\"\"";
    const int status = std::system(command.c_str());
    std::ifstream in(errors, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), {}};
    in.close();
    std::filesystem::remove_all(dir);

    EXPECT_EQ(status, 1);
    // The described text first, then what to do about it.
    EXPECT_TRUE(text.starts_with("Error: Vorlan driver error.\r\n")) << text;
    EXPECT_NE(text.find("could not be opened"), std::string::npos) << text;
}

#endif

} // namespace
} // namespace vorlan::hardening
