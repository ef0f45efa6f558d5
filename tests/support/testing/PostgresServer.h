// A PostgreSQL server of the test's own: Debian's binaries, a cluster made
// in a temporary folder, listening on a Unix socket there only (no TCP), run
// as an unprivileged user when the tests run as root (the server refuses
// root). Started on first use, stopped and removed when the process ends.
#pragma once

#include "testing/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vorlan::test {

class PostgresServer {
public:
    // The one server of this test process; Why() says why there is none.
    static PostgresServer& Shared() {
        static PostgresServer server;
        return server;
    }
    ~PostgresServer() { Stop(); }

    bool Running() const { return running_; }
    const std::string& Why() const { return why_; }
    std::string Socket() const { return folder_.File("sock"); }

    // A new empty database: its name, or its location for --records and OpenRecordStore.
    std::string NewDatabaseName() {
        const std::string name = "record" + std::to_string(++databases_);
        return Run(Tool("createdb") + " -h " + Socket() + " -U vorlan " + name) ? name : "";
    }
    std::string NewDatabase() {
        const std::string name = NewDatabaseName();
        return name.empty() ? name : Location(name);
    }
    std::string Location(const std::string& database) const {
        return "postgresql://vorlan@/" + database + "?host=" + Socket();
    }
    // Runs an SQL text on database through psql; true when it succeeded.
    bool Sql(const std::string& database, const std::string& sql) const {
        const std::string file = folder_.Write("statement.sql", sql);
        return Run(Tool("psql") + " -q -v ON_ERROR_STOP=1 -h " + Socket() + " -U vorlan -d " +
                   database + " -f " + file + " >/dev/null");
    }

    // The server goes away (as a crash or an administrator would stop it) and comes back.
    bool Stop() {
        if (!running_) {
            return true;
        }
        running_ = !Run(Tool("pg_ctl") + " -D " + Data() + " -m immediate -w stop >/dev/null");
        return !running_;
    }
    bool Start() {
        running_ =
            Run(Tool("pg_ctl") + " -D " + Data() + " -o \"-k " + Socket() +
                " -h '' -F\" -w -t 30 start -l " + folder_.File("server.log") + " >/dev/null");
        return running_;
    }

private:
    PostgresServer() {
#ifdef _WIN32
        why_ = "the tests start no PostgreSQL server on Windows";
#else
        bin_ = FindBin();
        if (bin_.empty()) {
            why_ = "no PostgreSQL server binaries (Debian's postgresql package) are installed";
            return;
        }
        if (geteuid() == 0) {
            if (std::system("command -v setpriv >/dev/null") != 0) {
                why_ = "running as root and setpriv is missing to start the server as nobody";
                return;
            }
            as_ = "setpriv --reuid=nobody --regid=nogroup --clear-groups ";
        }
        // The server's user writes its cluster, socket and log here.
        std::filesystem::create_directories(Socket());
        chmod(folder_.Path().c_str(), 0777);
        chmod(Socket().c_str(), 0777);
        if (!Run(Tool("initdb") + " -D " + Data() +
                 " -A trust -U vorlan -E UTF8 --locale=C --no-sync >/dev/null 2>&1")) {
            why_ = "initdb failed in " + folder_.Path().string();
            return;
        }
        if (!Start()) {
            why_ = "the server did not start (see " + folder_.File("server.log") + ")";
        }
#endif
    }

    static std::string FindBin() {
        std::string best;
        std::error_code error;
        for (const auto& entry :
             std::filesystem::directory_iterator("/usr/lib/postgresql", error)) {
            const std::filesystem::path bin = entry.path() / "bin";
            if (std::filesystem::exists(bin / "pg_ctl") && bin.string() > best) {
                best = bin.string();
            }
        }
        return best;
    }
    std::string Data() const {
        return folder_.File("cluster");
    }
    std::string Tool(const std::string& name) const {
        return as_ + bin_ + "/" + name;
    }
    static bool Run(const std::string& command) {
        return std::system(command.c_str()) == 0;
    }

    TempFolder folder_;
    std::string bin_;
    std::string as_;
    std::string why_;
    bool running_ = false;
    int databases_ = 0;
};

} // namespace vorlan::test
