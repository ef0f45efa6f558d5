// Every vorlanctl output against targets it must refuse or cannot write:
// the exit status, the message, and that no file changed and no temporary
// file was left behind.
#include "cli/CliRunner.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vorlan {
namespace {

namespace fs = std::filesystem;

const std::string kLayout = std::string(VORLAN_TEST_DATA_DIR) + "/programming/layout56.txt";
// A layout whose sheet is one page, so the sheet's one file is the target
// (a longer sheet goes to OUT-1, OUT-2, ... and never meets its input).
const std::string kOnePageLayout =
    std::string(VORLAN_TEST_DATA_DIR) + "/layout/worked-example-16scan.txt";

// A command that writes one file: its arguments for layout L and output O.
struct Writer {
    const char* name;
    const char* extension; // what the output's name must end in
    std::function<std::vector<std::string>(const std::string&, const std::string&,
                                           const std::string&)>
        args; // layout, output, a scratch log
};

const std::vector<Writer>& Writers() {
    using S = const std::string&;
    static const std::vector<Writer> writers = {
        {"convert", ".txt",
         [](S l, S o, S) {
             return std::vector<std::string>{"convert", l, o};
         }},
        {"image", ".bin",
         [](S l, S o, S) {
             return std::vector<std::string>{"image", l, "-o", o};
         }},
        {"received", ".bin",
         [](S l, S o, S log) {
             return std::vector<std::string>{"program", "--emulate", "0", "--received",
                                             o,         "--log",     log, l};
         }},
        {"log", ".log",
         [](S l, S o, S) {
             return std::vector<std::string>{"program", "--emulate", "0", "--log", o, l};
         }},
#ifdef VORLAN_CLI_PRINTING
        {"legends-pdf", ".pdf",
         [](S l, S o, S) {
             return std::vector<std::string>{"legends", l, "-o", o};
         }},
        {"legends-svg", ".svg",
         [](S l, S o, S) {
             return std::vector<std::string>{"legends", l, "-o", o};
         }},
        {"legends-png", ".png",
         [](S l, S o, S) {
             return std::vector<std::string>{"legends", l, "-o", o, "--dpi", "60"};
         }},
        {"sheet-pdf", ".pdf",
         [](S l, S o, S) {
             return std::vector<std::string>{"sheet", l, "-o", o};
         }},
        {"sheet-svg", ".svg",
         [](S l, S o, S) {
             return std::vector<std::string>{"sheet", l, "-o", o};
         }},
        {"sheet-png", ".png",
         [](S l, S o, S) { return std::vector<std::string>{"sheet", l, "-o", o, "--dpi", "60"}; }},
#endif
    };
    return writers;
}

// Every entry below a folder: its kind, and the bytes of plain files.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> entries;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        const fs::file_status status = it->symlink_status();
        std::string value = std::to_string(static_cast<int>(status.type()));
        if (status.type() == fs::file_type::regular) {
            const std::string bytes = test::ReadFileBytes(it->path());
            value += ":" + std::to_string(bytes.size()) + ":" +
                     std::to_string(std::hash<std::string>{}(bytes));
        }
        entries[fs::relative(it->path(), root).string()] = value;
    }
    return entries;
}

class OutputTargetTest : public ::testing::Test {
public:
    void SetUp() override {
        base = fs::temp_directory_path() /
               ("vorlan-outputs-" +
                std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        dir = base / "work";
        fs::create_directories(dir);
        fs::create_directories(base / "run");
    }
    void TearDown() override {
        for (const fs::path& mount : mounts) {
            ::umount(mount.c_str());
        }
        fs::remove_all(base);
    }

    // A small tmpfs at dir/name; false (and nothing mounted) when this
    // machine does not let the test mount one.
    bool MountTmpfs(const std::string& name, const char* options) {
        const fs::path at = dir / name;
        fs::create_directories(at);
        if (::mount("tmpfs", at.c_str(), "tmpfs", 0, options) != 0) {
            fs::remove(at);
            return false;
        }
        mounts.push_back(at);
        return true;
    }

    fs::path base;
    fs::path dir;
    std::vector<fs::path> mounts;
};

// A target: made in dir for a writer whose layout is `layout` and whose
// output must end in `ext`; the output path to give, and the message
// expected on standard error (empty: the case cannot be made here).
struct Target {
    const char* name;
    std::function<std::string(OutputTargetTest&, const fs::path& dir, const std::string& layout,
                              const std::string& ext, std::string& message)>
        make;
};

std::string NotPlain(const std::string& path) {
    return path + " is not a plain file.";
}
std::string IsLayout(const std::string& path) {
    return path + " is the layout being read.";
}

TEST_F(OutputTargetTest, EveryWriterRefusesOrFailsWithoutChangingAFile) {
    using D = const fs::path&;
    using S = const std::string&;
    const std::vector<Target> targets = {
        {"fifo",
         [](OutputTargetTest&, D d, S, S ext, std::string& message) {
             const std::string path = (d / ("pipe" + ext)).string();
             EXPECT_EQ(0, ::mkfifo(path.c_str(), 0600));
             message = NotPlain(path);
             return path;
         }},
        {"folder",
         [](OutputTargetTest&, D d, S, S ext, std::string& message) {
             const std::string path = (d / ("folder" + ext)).string();
             fs::create_directories(path);
             message = NotPlain(path);
             return path;
         }},
        {"full device",
         [](OutputTargetTest&, D d, S, S ext, std::string& message) {
             // A link, so the name still ends as the writer needs.
             const std::string path = (d / ("full" + ext)).string();
             fs::create_symlink("/dev/full", path);
             message = NotPlain(path);
             return path;
         }},
        {"the input by its path",
         [](OutputTargetTest&, D, S layout, S, std::string& message) {
             message = IsLayout(layout);
             return layout;
         }},
        {"the input by another path",
         [](OutputTargetTest&, D d, S layout, S, std::string& message) {
             fs::create_directories(d / "sub");
             const std::string path =
                 (d / "sub" / ".." / "." / fs::path(layout).filename()).string();
             message = IsLayout(path);
             return path;
         }},
        {"a link to the input",
         [](OutputTargetTest&, D d, S layout, S ext, std::string& message) {
             const std::string path = (d / ("link" + ext)).string();
             fs::create_symlink(layout, path);
             message = IsLayout(path);
             return path;
         }},
        {"a hard link to the input",
         [](OutputTargetTest&, D d, S layout, S ext, std::string& message) {
             const std::string path = (d / ("hard" + ext)).string();
             fs::create_hard_link(layout, path);
             message = IsLayout(path);
             return path;
         }},
        {"a read-only folder",
         [](OutputTargetTest& t, D d, S, S ext, std::string& message) {
             // Root writes into any folder whatever its mode; a read-only
             // mount refuses root too.
             const bool root = ::geteuid() == 0;
             if (root
                     ? !t.MountTmpfs("ro", "size=64k,mode=0555") ||
                           ::mount(nullptr, (d / "ro").c_str(), nullptr, MS_REMOUNT | MS_RDONLY,
                                   nullptr) != 0
                     : (fs::create_directories(d / "ro"), ::chmod((d / "ro").c_str(), 0555) != 0)) {
                 return std::string();
             }
             message = "The folder " + (d / "ro").string() + " cannot be written.";
             return (d / "ro" / ("out" + ext)).string();
         }},
        {"a full disk",
         [](OutputTargetTest& t, D d, S, S ext, std::string& message) {
             if (!t.MountTmpfs("full", "size=16k")) {
                 return std::string();
             }
             // Fill it, leaving less than any output needs.
             std::ofstream filler(d / "full" / "filler", std::ios::binary);
             const std::string block(4096, 'x');
             while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
             }
             message = "The disk is full.";
             return (d / "full" / ("out" + ext)).string();
         }},
    };
    std::vector<std::string> skipped;
    for (const Writer& writer : Writers()) {
        for (const Target& target : targets) {
            SCOPED_TRACE(std::string(writer.name) + " to " + target.name);
            // The layout's name ends as the writer's output must, so the
            // layout itself is a target the writer would accept by name.
            const fs::path layout = dir / (std::string("layout") + writer.extension);
            const bool sheet = std::string_view(writer.name).starts_with("sheet");
            fs::copy_file(sheet ? kOnePageLayout : kLayout, layout);
            std::string message;
            const std::string out =
                target.make(*this, dir, layout.string(), writer.extension, message);
            if (out.empty()) {
                skipped.push_back(target.name);
            } else {
                const auto before = Snapshot(dir);
                const std::string log = (base / "run" / "scratch.log").string();
                const std::vector<std::string> args = writer.args(layout.string(), out, log);
                const test::CliRun run = test::RunVorlanctl(args, base / "run");
                EXPECT_EQ(1, run.status) << run.err;
                EXPECT_NE(std::string::npos, run.err.find(message))
                    << "expected: " << message << "\ngot: " << run.err;
                // A run's own files are refused while the keyboard is as it was.
                EXPECT_TRUE(args[0] != "program" ||
                            run.err.ends_with("\nThe keyboard was not touched.\n"))
                    << run.err;
                EXPECT_EQ(std::string::npos, run.err.find("Cannot open file!")) << run.err;
                EXPECT_EQ(before, Snapshot(dir)) << "a file changed or a temporary was left";
                EXPECT_EQ("", run.out) << "nothing written is reported as written";
            }
            for (auto it = mounts.rbegin(); it != mounts.rend(); ++it) {
                ::umount(it->c_str());
            }
            mounts.clear();
            ::chmod((dir / "ro").c_str(), 0755);
            for (const auto& entry : fs::directory_iterator(dir)) {
                fs::remove_all(entry.path());
            }
        }
    }
    if (!skipped.empty()) {
        std::cout << "not tried here (cannot mount a tmpfs as this user): " << skipped.size()
                  << " cases such as " << skipped.front() << '\n';
    }
}

#ifdef VORLAN_CLI_PRINTING
// A sheet of two pages whose second file is a pipe: refused before the first
// page is written.
TEST_F(OutputTargetTest, ASheetOfSeveralPagesIsRefusedBeforeItsFirstFile) {
    const std::string layout = std::string(VORLAN_TEST_DATA_DIR) + "/programming/layout112.txt";
    for (const char* extension : {".png", ".svg"}) {
        SCOPED_TRACE(extension);
        const fs::path second = dir / (std::string("sheet-2") + extension);
        ASSERT_EQ(0, ::mkfifo(second.c_str(), 0600));
        const test::CliRun run =
            test::RunVorlanctl({"sheet", layout, "-o",
                                (dir / (std::string("sheet") + extension)).string(), "--dpi", "60"},
                               base / "run");
        EXPECT_EQ(1, run.status);
        EXPECT_NE(std::string::npos,
                  run.err.find("Error: " + second.string() + " is not a plain file.\n"))
            << run.err;
        EXPECT_FALSE(fs::exists(dir / (std::string("sheet-1") + extension)));
        fs::remove(second);
    }
}
#endif

} // namespace
} // namespace vorlan
