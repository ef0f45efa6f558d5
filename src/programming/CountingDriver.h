// A keyboard seen through a counter: what a run asked and sent, for the
// programming log. Passes every request on unchanged.
#pragma once

#include "programming/KeyboardDriver.h"

#include <atomic>
#include <cstddef>
#include <memory>

namespace vorlan {

class CountingDriver : public KeyboardDriver {
public:
    explicit CountingDriver(std::shared_ptr<KeyboardDriver> inner) : inner_(std::move(inner)) {}

    DriverFault LastFault() const override { return inner_->LastFault(); }
    void Abort() override { inner_->Abort(); }
    bool Open() override { return inner_->Open(); }
    bool RequestKeyboardType(std::uint8_t& type, std::uint32_t& bytesReturned) override {
        const bool ok = inner_->RequestKeyboardType(type, bytesReturned);
        answeredType_ = ok && bytesReturned == 1 ? type : -1;
        return ok;
    }
    bool WriteImageByte(std::uint8_t byte) override {
        const bool ok = inner_->WriteImageByte(byte);
        if (ok) {
            ++bytesWritten_;
        }
        return ok;
    }
    void Close() override { inner_->Close(); }

    // Before a run: nothing asked, nothing sent.
    void ResetCounts() {
        answeredType_ = -1;
        bytesWritten_ = 0;
    }
    // The type the keyboard last answered; -1 when it was not asked or failed.
    int AnsweredType() const { return answeredType_; }
    // Bytes the keyboard accepted since ResetCounts.
    std::size_t BytesWritten() const { return bytesWritten_; }
    KeyboardDriver* Inner() const { return inner_.get(); }

private:
    std::shared_ptr<KeyboardDriver> inner_;
    std::atomic<int> answeredType_{-1};
    std::atomic<std::size_t> bytesWritten_{0};
};

} // namespace vorlan
