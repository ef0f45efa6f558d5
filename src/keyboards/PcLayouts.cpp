#include "keyboards/PcLayouts.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

namespace vorlan::keyboards {

namespace {

constexpr std::string_view kStandardLayout = "us";

const PcLayoutTable* FindTable(std::string_view id) {
    const auto& tables = PcLayoutTables();
    const auto it = std::find_if(tables.begin(), tables.end(),
                                 [id](const PcLayoutTable& t) { return t.id == id; });
    return it == tables.end() ? nullptr : &*it;
}

const PcKeySigns* FindKey(const PcLayoutTable& table, std::uint32_t code) {
    const auto it = std::find_if(table.keys.begin(), table.keys.end(),
                                 [code](const PcKeySigns& k) { return k.code == code; });
    return it == table.keys.end() ? nullptr : &*it;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Keys whose caps carry a word in the layout's country where a US keyboard
// has an English one: named by that word, as the user reads it on the cap.
struct CapWord {
    std::string_view layouts; // ids separated by blanks
    std::uint32_t code;
    std::string_view name;
};
constexpr CapWord kCapWords[] = {
    {"fr be ch-fr", 0x5A, "Entrée"},
    {"fr be ch-fr", 0x76, "Échap"},
    {"fr be ch-fr", 0x58, "Verr_maj"},
    {"fr be ch-fr", 0x77, "Verr_num"},
    {"es", 0x5A, "Intro"},
    {"es", 0x58, "Bloq_Mayús"},
    {"es", 0x77, "Bloq_Num"},
    {"it", 0x5A, "Invio"},
    {"it", 0x58, "Bloc_Maiusc"},
    {"it", 0x77, "Bloc_Num"},
    {"de at ch", 0x14, "Strg_left"},
};

bool Lists(std::string_view ids, std::string_view id) {
    for (std::size_t start = 0; start < ids.size();) {
        const std::size_t end = std::min(ids.find(' ', start), ids.size());
        if (ids.substr(start, end - start) == id) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

CodeNameOverrides BuildNames(std::string_view id) {
    CodeNameOverrides names;
    const PcLayoutTable* table = FindTable(id);
    const PcLayoutTable* us = FindTable(kStandardLayout);
    if (table == nullptr || us == nullptr || id == kStandardLayout) {
        return names;
    }
    for (const PcKeySigns& key : table->keys) {
        std::string name = SignName(key);
        if (name.empty()) {
            continue;
        }
        const std::string standard = StandardNameOfCode(key.code, 0);
        const PcKeySigns* usKey = FindKey(*us, key.code);
        // Where the standard tables know no name (the key beside the left
        // Shift), the sign is better than a number even when US types it too.
        const bool unnamed = standard.starts_with("key_");
        if (usKey != nullptr && SignName(*usKey) == name && !unnamed) {
            continue;
        }
        names[key.code] = std::move(name);
    }
    for (const CapWord& word : kCapWords) {
        if (Lists(word.layouts, id)) {
            names[word.code] = std::string(word.name);
        }
    }
    return names;
}

} // namespace

const std::vector<PcLayoutInfo>& PcLayouts() {
    static const std::vector<PcLayoutInfo> layouts = {
        {"us", StringId::PcLayoutUs}, {"gb", StringId::PcLayoutGb},
        {"de", StringId::PcLayoutDe}, {"at", StringId::PcLayoutAt},
        {"ch", StringId::PcLayoutCh}, {"ch-fr", StringId::PcLayoutChFr},
        {"fr", StringId::PcLayoutFr}, {"be", StringId::PcLayoutBe},
        {"es", StringId::PcLayoutEs}, {"it", StringId::PcLayoutIt},
        {"pt", StringId::PcLayoutPt}, {"nl", StringId::PcLayoutNl},
        {"se", StringId::PcLayoutSe}, {"fi", StringId::PcLayoutFi},
        {"dk", StringId::PcLayoutDk}, {"no", StringId::PcLayoutNo},
        {"pl", StringId::PcLayoutPl}, {"cz", StringId::PcLayoutCz},
        {"hu", StringId::PcLayoutHu}, {"tr", StringId::PcLayoutTr},
    };
    return layouts;
}

const PcLayoutInfo* FindPcLayout(std::string_view id) {
    const auto& layouts = PcLayouts();
    const auto it = std::find_if(layouts.begin(), layouts.end(),
                                 [id](const PcLayoutInfo& l) { return l.id == id; });
    return it == layouts.end() ? nullptr : &*it;
}

std::string PcLayoutIdList() {
    std::string list;
    for (const PcLayoutInfo& layout : PcLayouts()) {
        list += (list.empty() ? "" : ", ") + std::string(layout.id);
    }
    return list;
}

const PcKeySigns* FindKeySigns(std::string_view layoutId, std::uint32_t code) {
    const PcLayoutTable* table = FindTable(layoutId);
    return table == nullptr ? nullptr : FindKey(*table, code);
}

std::string SignName(const PcKeySigns& key) {
    std::string name = key.letter ? key.shift : key.sign;
    if (name.empty()) {
        return name;
    }
    if ((key.dead & kDeadSign) != 0) {
        return name + "_dead";
    }
    if (EndsWith(StandardNameOfCode(key.code, 0), "_num")) {
        return name + "_num";
    }
    return name;
}

const CodeNameOverrides& CodeNamesFor(std::string_view layoutId) {
    // Built on first use and never freed: a CodeNaming holds a pointer to one.
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<CodeNameOverrides>, std::less<>> built;
    const std::string_view key = FindPcLayout(layoutId) == nullptr ? kStandardLayout : layoutId;
    const std::lock_guard lock(mutex);
    auto it = built.find(key);
    if (it == built.end()) {
        it = built.emplace(std::string(key), std::make_unique<CodeNameOverrides>(BuildNames(key)))
                 .first;
    }
    return *it->second;
}

CodeNaming NamingFor(std::string_view layoutId) {
    return layoutId.empty() ? CodeNaming{} : CodeNaming(&CodeNamesFor(layoutId));
}

} // namespace vorlan::keyboards
