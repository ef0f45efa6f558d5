// A thin hold on SQLite's C interface for the SQLite record: statements that
// finalize themselves, transactions that roll back unless committed, and the
// library's result codes turned into the record's failures.
#pragma once

#include "records/RecordStore.h"

#include <cstdint>
#include <sqlite3.h>
#include <string>
#include <string_view>

namespace vorlan::sqlite {

// The failure a result code stands for, naming the record.
RecordResult Failure(sqlite3* db, int code, const std::string& name);

class Statement {
public:
    Statement(sqlite3* db, std::string_view sql) {
        code_ =
            sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), 0, &stmt_, nullptr);
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(stmt_); }

    // The prepare's code (SQLITE_OK) until a step fails.
    int Code() const { return code_; }
    Statement& Bind(int index, std::int64_t value) {
        Keep(sqlite3_bind_int64(stmt_, index, value));
        return *this;
    }
    Statement& Bind(int index, std::string_view text) {
        Keep(sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                               SQLITE_TRANSIENT));
        return *this;
    }
    Statement& BindNull(int index) {
        Keep(sqlite3_bind_null(stmt_, index));
        return *this;
    }
    // True for a row; false at the end or on a failure (Code() then says which).
    bool Step() {
        if (code_ != SQLITE_OK && code_ != SQLITE_ROW && code_ != SQLITE_DONE) {
            return false;
        }
        code_ = sqlite3_step(stmt_);
        return code_ == SQLITE_ROW;
    }
    // Runs a statement that returns no row: SQLITE_DONE is success.
    bool Run() {
        Step();
        return code_ == SQLITE_DONE;
    }
    bool Failed() const {
        return code_ != SQLITE_OK && code_ != SQLITE_ROW && code_ != SQLITE_DONE;
    }
    std::int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }
    std::string Text(int column) const {
        const auto* text = sqlite3_column_text(stmt_, column);
        return text == nullptr
                   ? std::string()
                   : std::string(reinterpret_cast<const char*>(text),
                                 static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
    }
    bool IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

private:
    void Keep(int code) {
        if (code_ == SQLITE_OK && code != SQLITE_OK) {
            code_ = code;
        }
    }
    sqlite3_stmt* stmt_ = nullptr;
    int code_ = SQLITE_OK;
};

// BEGIN IMMEDIATE: the write lock is taken at the start, so two writers wait
// for each other (the busy timeout) instead of failing halfway.
class Transaction {
public:
    explicit Transaction(sqlite3* db) : db_(db) {
        code_ = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction() {
        if (code_ == SQLITE_OK && !done_) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        }
    }
    int Code() const { return code_; }
    int Commit() {
        done_ = true;
        const int code = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        if (code != SQLITE_OK) {
            // A failed COMMIT can leave the transaction open: end it here.
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        }
        return code;
    }

private:
    sqlite3* db_;
    int code_;
    bool done_ = false;
};

} // namespace vorlan::sqlite
