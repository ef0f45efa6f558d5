// A thin hold on libpq for the server record: results that free themselves,
// parameters sent as text (the server casts them), transactions that roll
// back unless committed, and the server's SQLSTATE turned into the record's
// failures.
#pragma once

#include "records/RecordStore.h"

#include <cstdint>
#include <libpq-fe.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan::postgres {

// The failure a result (or, with none, the connection) stands for, naming
// the record.
RecordResult Failure(PGconn* conn, const PGresult* result, const std::string& name);

class Params {
public:
    Params& Add(std::string_view text) {
        values_.emplace_back(text);
        return *this;
    }
    Params& Add(std::int64_t value) { return Add(std::string_view(std::to_string(value))); }
    Params& Add(int value) { return Add(std::int64_t{value}); }
    Params& Add(bool value) { return Add(std::int64_t{value ? 1 : 0}); }
    Params& Add(const char* text) { return Add(std::string_view(text)); }
    Params& Add(const std::string& text) { return Add(std::string_view(text)); }
    Params& AddNull() {
        values_.emplace_back(std::nullopt);
        return *this;
    }
    template <typename T> Params& AddOrNull(bool present, const T& value) {
        return present ? Add(value) : AddNull();
    }

    std::vector<const char*> Pointers() const {
        std::vector<const char*> out;
        out.reserve(values_.size());
        for (const auto& v : values_) {
            out.push_back(v ? v->c_str() : nullptr);
        }
        return out;
    }

private:
    std::vector<std::optional<std::string>> values_;
};

class Result {
public:
    Result(PGconn* conn, std::string_view sql, const Params& params = {}) {
        const std::string text(sql);
        const std::vector<const char*> values = params.Pointers();
        // Without parameters a text may hold several statements (a migration).
        if (values.empty()) {
            result_ = PQexec(conn, text.c_str());
            return;
        }
        result_ = PQexecParams(conn, text.c_str(), static_cast<int>(values.size()), nullptr,
                               values.data(), nullptr, nullptr, 0);
    }
    Result(const Result&) = delete;
    Result& operator=(const Result&) = delete;
    ~Result() { PQclear(result_); }

    bool Ok() const {
        const ExecStatusType status = PQresultStatus(result_);
        return result_ != nullptr && (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK);
    }
    const PGresult* Get() const { return result_; }
    int Rows() const { return PQntuples(result_); }
    // The rows an INSERT, UPDATE or DELETE touched.
    int Changed() const {
        const char* n = PQcmdTuples(result_);
        return n != nullptr && *n != '\0' ? std::stoi(n) : 0;
    }
    std::string SqlState() const {
        const char* state = PQresultErrorField(result_, PG_DIAG_SQLSTATE);
        return state != nullptr ? state : "";
    }
    bool IsNull(int row, int column) const { return PQgetisnull(result_, row, column) != 0; }
    std::string Text(int row, int column) const {
        return std::string(PQgetvalue(result_, row, column),
                           static_cast<std::size_t>(PQgetlength(result_, row, column)));
    }
    std::int64_t Int(int row, int column) const {
        return IsNull(row, column) ? 0
                                   : std::strtoll(PQgetvalue(result_, row, column), nullptr, 10);
    }

private:
    PGresult* result_ = nullptr;
};

// One transaction on the connection; ROLLBACK unless Commit was called.
class Transaction {
public:
    explicit Transaction(PGconn* conn, std::string_view begin = "BEGIN")
        : conn_(conn), begin_(conn, begin) {}
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction() {
        if (begin_.Ok() && !done_) {
            PQclear(PQexec(conn_, "ROLLBACK"));
        }
    }
    const Result& Begin() const { return begin_; }
    // Null when the commit reached the disk; the failure's result otherwise.
    // A connection lost during COMMIT leaves it unknown whether it did.
    std::optional<RecordResult> Commit(const std::string& name) {
        done_ = true;
        Result commit(conn_, "COMMIT");
        if (commit.Ok()) {
            return std::nullopt;
        }
        return Failure(conn_, commit.Get(), name);
    }

private:
    PGconn* conn_;
    Result begin_;
    bool done_ = false;
};

} // namespace vorlan::postgres
