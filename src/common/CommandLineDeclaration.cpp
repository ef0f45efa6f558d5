// The declaration itself: every command and option of vorlanctl and vorlan.
#include "common/CommandLine.h"

namespace vorlan::cmdline {
namespace {

constexpr Option kHelp{"--help",
                       "-h",
                       ValueKind::None,
                       {},
                       0,
                       0,
                       {},
                       "Print the command's usage, options and exit statuses, and exit."};
// program takes "-h" as its layout operand, which the programming engine
// refuses as a syntax error; only --help asks it for help.
constexpr Option kLongHelp{"--help",
                           {},
                           ValueKind::None,
                           {},
                           0,
                           0,
                           {},
                           "Print the command's usage, options and exit statuses, and exit."};
constexpr Option kRecords{"--records",
                          {},
                          ValueKind::File,
                          "PATH",
                          0,
                          0,
                          {},
                          "The record of runs and batches to use (default: VORLAN_RECORDS, "
                          "else records.db in the user's data folder)."};
constexpr Option kJson{"--json", {}, ValueKind::None, {}, 0, 0, {}, "Print the result as JSON."};
constexpr Option kOut{"-o",
                      {},
                      ValueKind::File,
                      "OUT",
                      0,
                      0,
                      {},
                      "The file to write; its extension (.pdf, .svg, .png) chooses the format.",
                      true};
constexpr Option kPage{"--page", {}, ValueKind::Words, "A4|Letter",
                       0,        0,  "A4 Letter",      "The paper size (default A4)."};
constexpr Option kHyphenate{"--hyphenate",
                            {},
                            ValueKind::Text,
                            "LANG|none",
                            0,
                            0,
                            {},
                            "The language of the key names, whose hyphenation patterns break a "
                            "name too long for its box (de, fr, pl, en_GB...; default: the "
                            "user's language); none sets such names smaller instead."};
constexpr Option kDpi{"--dpi",
                      {},
                      ValueKind::Number,
                      "N",
                      50,
                      1200,
                      {},
                      "The resolution of PNG pages in dots per inch, 50 to 1200 (default 300)."};

constexpr Option kConvertOptions[] = {
    {"--variant",
     {},
     ValueKind::Number,
     "N",
     1,
     4,
     {},
     "The file variant of OUT: 1 7/3scan, 2 16scan (default), 3 single 16scan left side, "
     "4 single 16scan right side."},
    {"--strict",
     {},
     ValueKind::None,
     {},
     0,
     0,
     {},
     "When OUT cannot hold the whole layout, write nothing and exit with 1."},
    kHelp,
};
constexpr Option kFileOptions[] = {kJson, kHelp};
constexpr Option kPcLayout{"--pc-layout",
                           {},
                           ValueKind::Words,
                           "ID",
                           0,
                           0,
                           "us gb de at ch ch-fr fr be es it pt nl se fi dk no pl cz hu tr",
                           "Name the codes as a PC with this keyboard layout types them (see "
                           "pc-layouts)."};
constexpr Option kShowOptions[] = {kJson, kPcLayout, kHelp};
constexpr Option kCheckOptions[] = {
    kJson,
    {"--pc-layout",
     {},
     ValueKind::Words,
     "ID",
     0,
     0,
     "us gb de at ch ch-fr fr be es it pt nl se fi dk no pl cz hu tr",
     "Read the keys' codes as a PC with this keyboard layout types them, for the warnings on "
     "keys that end with a dead key (default us)."},
    kHelp};
constexpr Option kTypedIn{"--pc-layout",
                          {},
                          ValueKind::Words,
                          "ID",
                          0,
                          0,
                          "us gb de at ch ch-fr fr be es it pt nl se fi dk no pl cz hu tr",
                          "The PC keyboard layout the text is typed in (default: the one of the "
                          "locale's country, else us; see pc-layouts)."};
constexpr Option kNumberPad{"--number-pad",
                            {},
                            ValueKind::None,
                            {},
                            0,
                            0,
                            {},
                            "Type digits on the number pad, the same on every layout."};
constexpr Option kSeparator{"--separator",
                            {},
                            ValueKind::Text,
                            "C",
                            0,
                            0,
                            {},
                            "The CSV list separator: one character, or tab (default: the header's, "
                            "else ';' where the locale's decimal sign is a comma, ',' elsewhere)."};
constexpr Option kTypeOptions[] = {kTypedIn, kNumberPad, kHelp};
constexpr Option kImportOptions[] = {
    {"-o", {}, ValueKind::File, "LAYOUT", 0, 0, {}, "The layout file to write (16scan).", true},
    kTypedIn,
    kNumberPad,
    {"--keys",
     {},
     ValueKind::Words,
     "56|112",
     0,
     0,
     "56 112",
     "The keyboard's key count (default: 112 when a key number is above 56, else 56)."},
    kSeparator,
    {"--skip-bad",
     {},
     ValueKind::None,
     {},
     0,
     0,
     {},
     "Leave out the rows that are wrong, name them on standard error, and write the rest."},
    kHelp,
};
constexpr Option kExportOptions[] = {
    {"-o",
     {},
     ValueKind::File,
     "KEYS.csv",
     0,
     0,
     {},
     "The CSV file to write, - for standard output.",
     true},
    kTypedIn,
    {"--number-pad",
     {},
     ValueKind::None,
     {},
     0,
     0,
     {},
     "Write number-pad digits as text, for an import with --number-pad."},
    kSeparator,
    kHelp,
};
constexpr Option kHelpOnly[] = {kHelp};
constexpr Option kProgramOptions[] = {
    {"--emulate",
     {},
     ValueKind::Text,
     "N[,FAULT...]",
     0,
     0,
     "0 1 2",
     "Program an emulated keyboard of type N (0: 7/3scan images, 1: single 16scan, "
     "2: double 16scan) instead of the device. FAULT: fail-at=K, hang-at=K, vanish-at=K "
     "(byte K, counted from 1), slow=MS (each byte takes MS longer), timeout=MS (default "
     "2000), missing, late=N (no keyboard for the first N detections), away=N (none for N "
     "detections after each whole write)."},
    {"--received",
     {},
     ValueKind::File,
     "FILE",
     0,
     0,
     {},
     "Save the bytes the emulated keyboard received, - for standard output (the state line "
     "then goes to standard error)."},
    {"--log",
     {},
     ValueKind::File,
     "FILE",
     0,
     0,
     {},
     "Also append the run's line, in the text log's form, to FILE once the record holds the "
     "run (a copy for scripts, never read back); - writes it to standard output."},
    {"--order",
     {},
     ValueKind::Text,
     "REF",
     0,
     0,
     {},
     "Record the run as a keyboard of this order: of the order's open batch when there is "
     "one, its place given by the record (the first one no passed keyboard and none in "
     "progress holds)."},
    kRecords,
    kLongHelp,
};
constexpr Option kImageOptions[] = {
    {"-o", {}, ValueKind::File, "OUT", 0, 0, {}, "The file to write, - for standard output.", true},
    {"--hex", {}, ValueKind::None, {}, 0, 0, {}, "Write a hex dump instead of raw bytes."},
    kHelp,
};
constexpr Option kLegendsOptions[] = {
    kOut,
    {"--pitch",
     {},
     ValueKind::Text,
     "MM",
     0,
     0,
     {},
     "The distance of two keys' centres in millimetres (default 19.05)."},
    {"--legend",
     {},
     ValueKind::Text,
     "WxH",
     0,
     0,
     {},
     "The size of a single key's legend in millimetres (default 14x14)."},
    kPage,
    {"--margin", {}, ValueKind::Text, "MM", 0, 0, {}, "The page margin in millimetres."},
    {"--packed",
     {},
     ValueKind::None,
     {},
     0,
     0,
     {},
     "Lay the legends out in rows, not as on the keyboard."},
    {"--blank", {}, ValueKind::None, {}, 0, 0, {}, "Add empty legends for keys without a name."},
    {"--no-cut-marks", {}, ValueKind::None, {}, 0, 0, {}, "Draw no cut marks."},
    {"--no-frame", {}, ValueKind::None, {}, 0, 0, {}, "Draw no frame around each legend."},
    {"--type-size",
     {},
     ValueKind::Text,
     "MM|auto",
     0,
     0,
     "auto",
     "The type size of the legends in millimetres, 1 to 10; auto (the default) takes the "
     "largest at which every name fits its legend in at most three lines. A name that cannot "
     "have it is set smaller, and standard error names its key."},
    kHyphenate,
    kDpi,
    kHelp,
};
constexpr Option kSheetOptions[] = {
    kOut,
    kPage,
    kHyphenate,
    kDpi,
    kPcLayout,
    {"--save-ink",
     {},
     ValueKind::None,
     {},
     0,
     0,
     {},
     "Outline the keys in black on white, as the window prints on paper, instead of the "
     "editor's colours."},
    kHelp,
};

constexpr Option kOrder{
    "--order",
    {},
    ValueKind::Text,
    "REF",
    0,
    0,
    {},
    "The order reference of the batch (default: the last order in the record)."};
constexpr Option kLogOptions[] = {
    {"--order", {}, ValueKind::Text, "REF", 0, 0, {}, "Only the runs of this order."},
    {"--format",
     {},
     ValueKind::Words,
     "text|csv|json",
     0,
     0,
     "text csv json",
     "text: one line a run as the programming log had them (tab-separated; the default); csv: "
     "every field of the record, UTF-8, formulas neutralised; json: one array of objects."},
    {"-o", {}, ValueKind::File, "OUT", 0, 0, {}, "The file to write (default: standard output)."},
    {"--to",
     {},
     ValueKind::File,
     "LOCATION",
     0,
     0,
     {},
     "log export: the record to copy the runs to, a file or a postgresql:// address without a "
     "password."},
    {"--from",
     {},
     ValueKind::File,
     "LOCATION",
     0,
     0,
     {},
     "log import: the record to copy the runs from, a file or a postgresql:// address without a "
     "password."},
    kRecords,
    kHelp,
};
constexpr Option kReportOptions[] = {
    {"-o",
     {},
     ValueKind::File,
     "OUT",
     0,
     0,
     {},
     "The file to write; its extension (.pdf, .csv) chooses the format.",
     true},
    kOrder,
    {"--separator",
     {},
     ValueKind::Text,
     "C",
     0,
     0,
     {},
     "The CSV list separator: one character, or tab (default: ';' where the locale's "
     "decimal sign is a comma, ',' elsewhere)."},
    kRecords,
    kHelp,
};

constexpr ExitStatus kPlainExits[] = {{0, "success"}, {1, "failure"}, {2, "usage error"}};
constexpr ExitStatus kCheckExits[] = {{0, "clean"},
                                      {1, "errors, or a file that cannot be read"},
                                      {2, "usage error"},
                                      {3, "only warnings"}};
constexpr ExitStatus kProgramExits[] = {
    {0, "success: the keyboard was programmed, or only detected without LAYOUT"},
    {1, "failure, also when the record, the --log copy or the --received file cannot be "
        "written (refused before the keyboard is touched where that can be known)"},
    {2, "usage error"},
    {130, "stopped by Ctrl-C (SIGINT), SIGTERM or SIGHUP: once the record holds the run it ends by "
          "that signal, which a shell shows as 128 + its number (130, 143, 129), so a "
          "script's loop stops too"}};
constexpr ExitStatus kDiffExits[] = {
    {0, "equal"}, {1, "different"}, {2, "usage error, or a file that cannot be read"}};

constexpr Command kCommands[] = {
    {"convert",
     "IN OUT",
     {},
     "Read the layout file IN as the editor opens it and write it to OUT as the editor saves "
     "it; OUT - writes it to standard output. What OUT cannot hold is listed on standard "
     "error, key by key.",
     kConvertOptions,
     kPlainExits,
     {}},
    {"show",
     "LAYOUT",
     {},
     "Print the layout as the editor holds it after opening the file: keyboard settings, RFID "
     "options, keys and programmed-keys list as tables, or one JSON object (names as UTF-8).",
     kShowOptions,
     kPlainExits,
     {}},
    {"check",
     "LAYOUT...",
     {},
     "Read each layout file as the editor opens it and report what the reader changed or "
     "dropped, what looks like a mistake, and where the image builder stops as image and "
     "program would (an error at its line), as FILE:LINE: LEVEL: MESSAGE, or as one JSON "
     "array.",
     kCheckOptions,
     kCheckExits,
     {}},
    {"diff",
     "A B",
     {},
     "Open both layout files as the editor does and list how B differs from A: the key count, "
     "settings and RFID options, then the keys added, removed, moved, renamed, or with other "
     "codes, flags, mode or joined cells.",
     kFileOptions,
     kDiffExits,
     {}},
    {"program",
     {},
     "[LAYOUT [/T]]",
     "Program the keyboard with LAYOUT; without LAYOUT only detect the keyboard. /T gives the "
     "keyboard type (0, 1 or 2) instead of asking the keyboard. The device is VORLAN_DEVICE "
     "(default /dev/vorlan; emulator:N as --emulate N). Ctrl-C stops a write between two "
     "bytes. Every run is a row of the record before the keyboard is touched and holds what "
     "came of it after; a run the record cannot take is refused with the keyboard untouched. "
     "With a record on a server, a result the server cannot take (it went away during the "
     "run) is kept in the station's own record and sent before the next run begins.",
     kProgramOptions,
     kProgramExits,
     "/0 /1 /2",
     "-h"},
    {"image",
     "LAYOUT",
     {},
     "Write the bytes the keyboard would receive for LAYOUT (before a double keyboard's halves "
     "are exchanged), raw or as a hex dump.",
     kImageOptions,
     kPlainExits,
     {}},
    {"legends",
     "LAYOUT",
     {},
     "Key legends to scale as PDF, SVG or PNG, laid out as on the keyboard or packed. SVG and "
     "PNG write one file per page (OUT-1.png ...) when there are several.",
     kLegendsOptions,
     kPlainExits,
     {}},
    {"sheet",
     "LAYOUT",
     {},
     "The layout sheet as PDF, SVG or PNG: the key grid with names, settings, RFID options and "
     "the table of programmed keys.",
     kSheetOptions,
     kPlainExits,
     {}},
    {"report",
     {},
     "[LOG]",
     "The report of a batch from the record (or from the old text log LOG): the order, the "
     "batch's layout file and digests, from and to, one row per keyboard with its own layout "
     "file, file and image SHA-256 and station (rows whose layout differs from the batch's "
     "marked), and the counts passed, failed and set aside. PDF on the locale's paper, or CSV "
     "as spreadsheets open it (UTF-8 with a byte-order mark, RFC 4180 quoting, the locale's list "
     "separator, formulas neutralised); both in the language of the user's locale, as the "
     "window writes them.",
     kReportOptions,
     kPlainExits,
     {}},
    {"log",
     {},
     "[import FILE | export --to LOCATION | import --from LOCATION]",
     "Print the record of programming runs, oldest first: each run's station, user, start, "
     "layout file as given and resolved, file and image SHA-256, keyboard type, bytes planned "
     "and written, duration, result, key test, order and place. A run still in progress says "
     "running; one whose process died is interrupted (bytes written not known). "
     "log import FILE adds the runs of an old text programming log; importing it again adds "
     "nothing, and the lines it cannot read are listed by number, never guessed. "
     "log export --to LOCATION copies the finished runs of the record to another record (a "
     "station's history to the workshop's server), log import --from LOCATION the other way; "
     "each run goes over once however often it is copied (and never comes back), a run still "
     "in progress waits for a later copy, and both say how many runs were added and how many "
     "the target held already. The password of a server is never on the command line: libpq "
     "reads it from ~/.pgpass, PGPASSWORD or PGSERVICE.",
     kLogOptions,
     kPlainExits,
     "import export"},
    {"type",
     "TEXT",
     {},
     "Print the codes a key needs to type TEXT on a PC of the layout, and their names: each "
     "character as a user types it there (Shift and AltGr pressed for it, a dead key before a "
     "letter it accents), named keys as {Enter}, {Tab}, {F5}, {Enter_num}, {{ for a brace. A "
     "character the layout cannot type, more than 16 codes or an unknown {name} is refused; "
     "where the keyboard, holding each code until the key is let go, types something else, "
     "standard error says what.",
     kTypeOptions,
     kPlainExits,
     {}},
    {"import",
     "KEYS.csv",
     {},
     "Make a layout file from a key list: a header naming the columns key, name, text, codes "
     "and shape, then one row a key with its number (the first cell of a double or quad key), "
     "its name, the text it types or its codes (decimal, separated by blanks), and its shape "
     "(single, double-right, double-down or quad). UTF-8 with or without a byte-order mark, "
     "RFC 4180 quoting. A wrong row is named by row and column and nothing is written.",
     kImportOptions,
     kPlainExits,
     {}},
    {"export",
     "LAYOUT",
     {},
     "Write the key list of a layout file as import reads it: the text a key types where its "
     "codes read as one, its codes otherwise. A cell a spreadsheet would run as a formula (=, "
     "+, -, @, a tab or a carriage return first) is written with an apostrophe before it, which "
     "import takes off again. Importing the list gives the layout file again, byte for byte, "
     "when its settings are those of a new layout.",
     kExportOptions,
     kPlainExits,
     {}},
    {"pc-layouts",
     {},
     {},
     "List the PC keyboard layouts that --pc-layout takes, id and name, one a line. An unknown "
     "id is a usage error that lists the ids.",
     kHelpOnly,
     kPlainExits,
     {}},
};

constexpr ExitStatus kVorlanctlExits[] = {
    {0, "success (check: clean; diff: the layouts are equal)"},
    {1, "failure: a file could not be read or written, the keyboard could not be programmed "
        "or the layout does not suit it (check: errors; diff: the layouts differ)"},
    {2, "usage error: an unknown command or option, a missing argument or a value out of "
        "range (diff: also a file that cannot be read)"},
    {3, "check: only warnings"},
    {130, "ended by a signal: SIGINT, SIGTERM or SIGHUP end every command by that signal (program "
          "after its cleanup and log line), which a shell shows as 128 + its number (130, 143, "
          "129)"},
};

constexpr Option kVorlanOptions[] = {
    {"--emulate",
     {},
     ValueKind::Text,
     "N[,FAULT...]",
     0,
     0,
     "0 1 2",
     "Program an emulated keyboard of type N (0: 7/3scan images, 1: single 16scan, "
     "2: double 16scan) instead of the device, with the fault options of vorlanctl program."},
    {"--received",
     {},
     ValueKind::File,
     "FILE",
     0,
     0,
     {},
     "With --emulate: save the bytes the emulated keyboard received in each run."},
    {"--version", {}, ValueKind::None, {}, 0, 0, {}, "Print the version and exit."},
    {"--help", "-h", ValueKind::None, {}, 0, 0, {}, "Print the usage and exit."},
    {"--report-first-paint",
     {},
     ValueKind::None,
     {},
     0,
     0,
     {},
     "Print when the main window was first painted, then quit (for the start-up benchmark)."},
};

constexpr ExitStatus kVorlanExits[] = {
    {0, "the window was closed, or --version or --help was given"},
    {2, "usage error: an unknown option, a missing or wrong value"},
};

} // namespace

std::span<const Command> VorlanctlCommands() {
    return kCommands;
}
std::span<const ExitStatus> VorlanctlExitStatuses() {
    return kVorlanctlExits;
}
std::span<const Option> VorlanOptions() {
    return kVorlanOptions;
}
std::span<const ExitStatus> VorlanExitStatuses() {
    return kVorlanExits;
}

} // namespace vorlan::cmdline
