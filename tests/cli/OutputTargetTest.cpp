// Every vorlanctl output against targets it must refuse or cannot write:
// the exit status, the message, and that no file changed and no temporary
// file was left behind.
#include "testing/CliRunner.h"
#include "testing/TempFolder.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <tuple>
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
        fs::create_directories(dir);
        fs::create_directories(base / "run");
    }
    void TearDown() override {
        for (const fs::path& mount : mounts) {
            ::umount(mount.c_str());
        }
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

    test::TempFolder temp;
    const fs::path& base = temp.Path();
    fs::path dir = base / "work";
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
        {"a name that ends in a separator",
         [](OutputTargetTest&, D d, S, S ext, std::string& message) {
             // Names a folder: refused, and none is left to fail the next run.
             // The printers refuse it by its name, as a usage error.
             if (ext == ".pdf" || ext == ".svg" || ext == ".png") {
                 return std::string();
             }
             message = (d / ("new" + ext)).string();
             return message + "/";
         }},
        {"a file on the folder's way",
         [](OutputTargetTest&, D d, S, S ext, std::string& message) {
             std::ofstream(d / "exist.txt") << "kept\n";
             message = (d / "exist.txt").string() + " is a file, not a folder.";
             return (d / "exist.txt" / ("x" + ext)).string();
         }},
        {"a loop of links",
         [](OutputTargetTest&, D d, S, S ext, std::string& message) {
             // Beside the folder looked at, whose walk would stop at the loop.
             const fs::path a = d.parent_path() / "run" / ("loop-a" + ext);
             const fs::path b = d.parent_path() / "run" / ("loop-b" + ext);
             fs::remove(a);
             fs::remove(b);
             fs::create_symlink(b, a);
             fs::create_symlink(a, b);
             message = a.string() + " cannot be written: too many levels of links.";
             return a.string();
         }},
        {"a pipe whose name would retitle the terminal",
         [](OutputTargetTest&, D d, S, S ext, std::string& message) {
             const fs::path path = d / ("pipe\x1b]0;T\x07\nx" + ext);
             EXPECT_EQ(0, ::mkfifo(path.c_str(), 0600));
             message = NotPlain((d / ("pipe\\x1b]0;T\\x07\\x0ax" + ext)).string());
             return path.string();
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
        // The others ran and held; these could not be tried on this machine.
        GTEST_SKIP() << "not tried here (no tmpfs for this user, or a name the writer refuses as "
                        "usage): "
                     << skipped.size() << " cases such as " << skipped.front();
    }
}

// Targets every writer must write, where the system would: the file a
// path leads to through linked folders and "..", a name of 255 bytes, a
// name that is no UTF-8. A decoy beside stays as it was.
TEST_F(OutputTargetTest, EveryWriterWritesWhereTheSystemResolvesAnyName) {
    struct Written {
        const char* name;
        std::function<std::string(const fs::path& d, const std::string& ext, fs::path& real)> make;
    };
    const std::vector<Written> targets = {
        {"a link in a linked folder",
         [](const fs::path& d, const std::string& ext, fs::path& real) {
             fs::create_directories(d / "home");
             fs::create_directories(d / "projects" / "v2");
             fs::create_symlink("../projects/v2", d / "home" / "current");
             fs::create_symlink("../common/layout" + ext, d / "projects" / "v2" / ("layout" + ext));
             real = d / "projects" / "common" / ("layout" + ext);
             return (d / "home" / "current" / ("layout" + ext)).string();
         }},
        {"two links, the second with .. after a linked folder",
         [](const fs::path& d, const std::string& ext, fs::path& real) {
             for (const char* f : {"a", "b", "deep/er"}) {
                 fs::create_directories(d / f);
             }
             fs::create_symlink("../b/l2" + ext, d / "a" / ("l1" + ext));
             fs::create_symlink("../deep/er", d / "b" / "sub");
             fs::create_symlink("sub/../final" + ext, d / "b" / ("l2" + ext));
             real = d / "deep" / ("final" + ext);
             return (d / "a" / ("l1" + ext)).string();
         }},
        {"a name of 255 bytes",
         [](const fs::path& d, const std::string& ext, fs::path& real) {
             real = d / (std::string(255 - ext.size(), 'n') + ext);
             return real.string();
         }},
        {"a Latin-1 name",
         [](const fs::path& d, const std::string& ext, fs::path& real) {
             real = d / ("caf\xe9" + ext);
             return real.string();
         }},
    };
    for (const Writer& writer : Writers()) {
        for (const Written& target : targets) {
            SCOPED_TRACE(std::string(writer.name) + " to " + target.name);
            const std::string ext = writer.extension;
            fs::path real;
            const std::string out = target.make(dir, ext, real);
            fs::create_directories(real.parent_path());
            std::ofstream(real) << "old\n";
            // Where joining the link texts and dropping "dir/.." would write.
            for (const fs::path& decoy :
                 {dir / "home" / "common" / ("layout" + ext), dir / "b" / ("final" + ext),
                  dir / ("caf\xc3\xa9" + ext)}) {
                fs::create_directories(decoy.parent_path());
                std::ofstream(decoy) << "decoy\n";
            }
            const std::string log = (base / "run" / "scratch.log").string();
            const bool sheet = std::string_view(writer.name).starts_with("sheet");
            const test::CliRun run = test::RunVorlanctl(
                writer.args(sheet ? kOnePageLayout : kLayout, out, log), base / "run");
            EXPECT_EQ(0, run.status) << run.err;
            const std::string bytes = test::ReadFileBytes(real);
            EXPECT_GT(bytes.size(), 4u);
            EXPECT_EQ(bytes.starts_with("old\n"), std::string(writer.name) == "log");
            for (const auto& entry : fs::recursive_directory_iterator(dir)) {
                if (fs::is_regular_file(entry.symlink_status()) && entry.path() != real) {
                    EXPECT_EQ("decoy\n", test::ReadFileBytes(entry.path())) << entry.path();
                }
            }
            // legends and sheet list the name given, byte for byte; program
            // says what the keyboard holds.
            EXPECT_TRUE(run.out.empty() || run.out.starts_with("The keyboard was programmed:") ||
                        run.out == out.substr(0, 200) + "... (" + std::to_string(out.size()) +
                                       " bytes)\n" ||
                        run.out == out + "\n")
                << run.out;
            for (const auto& entry : fs::directory_iterator(dir)) {
                fs::remove_all(entry.path());
            }
        }
    }
}

// Standard output as a shell gives it: the stream names write where it
// stands (appended with >>, never replaced), a failed standard output fails
// the command, a closed pipe ends it quietly.
TEST_F(OutputTargetTest, StandardOutputIsAStreamAndItsFailureIsTold) {
    const std::string v = std::string("\"") + VORLAN_VORLANCTL + "\"";
    const fs::path log = dir / "log";
    const auto shell = [&](const std::string& line) {
        const int raw =
            std::system(("bash -c '" + line + "' 2>" + (base / "err").string()).c_str());
        return std::pair{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, test::ReadFileBytes(base / "err")};
    };
    fs::create_symlink("/dev/stdout", dir / "to-stdout");
    const std::string program =
        v + " program --emulate 0 --log " + (dir / "plog").string() + " " + kLayout;
    for (const std::string command : {"convert", "image", "program"}) {
        const bool programs = command == "program";
        const std::string head =
            programs ? program + " --received "
                     : v + " " + command + " " + kLayout + (command == "image" ? " -o " : " ");
        ASSERT_EQ(0, shell(head + (dir / "ref").string()).first);
        // program's state line shares standard output only with a path
        for (const std::string& out :
             programs ? std::vector<std::string>{"-"}
                      : std::vector<std::string>{"-", "/dev/stdout", "/dev/fd/1", "/proc/self/fd/1",
                                                 (dir / "to-stdout").string()}) {
            SCOPED_TRACE(std::string(command) + " " + out);
            std::ofstream(log) << "old\n";
            EXPECT_EQ(0, shell(head + out + " >> " + log.string()).first);
            EXPECT_TRUE(test::ReadFileBytes(log) == "old\n" + test::ReadFileBytes(dir / "ref"));
        }
    }
    // The log line on standard output, the state line on standard error.
    std::ofstream(log) << "old\n";
    const auto [logStatus, stateLine] =
        shell(v + " program --emulate 0 --log - " + kLayout + " >> " + log.string());
    EXPECT_EQ(0, logStatus);
    EXPECT_TRUE(stateLine.starts_with("The keyboard was programmed: 450 of 450 bytes"))
        << stateLine;
    const std::string logged = test::ReadFileBytes(log);
    EXPECT_TRUE(logged.starts_with("old\n") && logged.ends_with("\tdone\n") &&
                std::count(logged.begin(), logged.end(), '\n') == 2)
        << logged;
    const std::string full = "Error: Standard output cannot be written: No space left on device.\n";
    const std::vector<std::tuple<std::string, int, std::string>> failures = {
        {v + " show " + kLayout + " > /dev/full", 1, full},
        {v + " diff " + kLayout + " " + kOnePageLayout + " > /dev/full", 2, full},
        {v + " pc-layouts >&-", 1,
         "Error: Standard output cannot be written: Bad file descriptor.\n"},
#ifdef VORLAN_CLI_PRINTING
        {v + " sheet " + kOnePageLayout + " -o " + (dir / "s.pdf").string() + " > /dev/full", 1,
         full},
#endif
        // The reader is gone before the first byte (as head is after its line).
        {"{ sleep 0.2; " + v + " show " + kLayout + "; } | true; exit ${PIPESTATUS[0]}",
         128 + SIGPIPE, ""},
    };
    for (const auto& [line, status, err] : failures) {
        const auto [got, said] = shell(line);
        EXPECT_EQ(status, got) << line;
        EXPECT_TRUE(err.empty() ? said.empty() : said.find(err) != std::string::npos) << said;
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

// A full disk after the first page, or a signal at any moment of the export:
// the old pages stay whole (or, once all are in place, all are new), never
// a mix, and no temporary file is left.
TEST_F(OutputTargetTest, AnExportOfSeveralPagesReplacesAllOrNone) {
    const std::string layout = std::string(VORLAN_TEST_DATA_DIR) + "/programming/layout112.txt";
    const auto args = [&](const fs::path& at) {
        return std::vector<std::string>{"sheet", layout, "-o", (at / "s.png").string(),
                                        "--dpi", "300"};
    };
    const auto pages = [](const fs::path& at) {
        return std::pair{test::ReadFileBytes(at / "s-1.png"), test::ReadFileBytes(at / "s-2.png")};
    };
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(0, test::RunVorlanctl(args(base), base / "run").status);
    const auto took = std::chrono::steady_clock::now() - start;
    const auto fresh = pages(base);
    const auto old = std::pair{std::string("old 1"), std::string("old 2")};
    const auto only = [&](const fs::path& at) {
        for (const auto& entry : fs::directory_iterator(at)) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == "s-1.png" || name == "s-2.png" || name == "filler") << name;
        }
    };
    for (int i = 1; i <= 6; ++i) {
        std::ofstream(dir / "s-1.png") << old.first;
        std::ofstream(dir / "s-2.png") << old.second;
        const pid_t pid = test::StartVorlanctl(args(dir), base / "run");
        std::this_thread::sleep_for(took * i / 6);
        ::kill(pid, SIGTERM);
        int raw = 0;
        ASSERT_EQ(pid, ::waitpid(pid, &raw, 0));
        const auto now = pages(dir);
        EXPECT_TRUE(now == old || now == fresh) << i;
        EXPECT_TRUE(WIFSIGNALED(raw) || WEXITSTATUS(raw) == 0) << i;
        only(dir);
    }
    const std::size_t size = fresh.first.size() + fresh.second.size() + 65536;
    if (MountTmpfs("small", ("size=" + std::to_string(size)).c_str())) {
        const fs::path small = dir / "small";
        std::ofstream(small / "s-1.png") << old.first;
        std::ofstream(small / "s-2.png") << old.second;
        // Room for the first new page, not for the second.
        std::ofstream(small / "filler", std::ios::binary)
            << std::string(size - fresh.first.size() - 3 * 4096, 'f');
        const test::CliRun run = test::RunVorlanctl(args(small), base / "run");
        EXPECT_EQ(1, run.status);
        EXPECT_NE(run.err.find("The disk is full. No file was replaced"), std::string::npos)
            << run.err;
        EXPECT_TRUE(pages(small) == old);
        only(small);
    }
}
#endif

} // namespace
} // namespace vorlan
