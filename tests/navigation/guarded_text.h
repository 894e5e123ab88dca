// Test helpers for texts that cross the module boundary.
#pragma once

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "frame/host_types.h"

// A parameter string in read-only pages whose terminating zero is the last
// byte before an inaccessible page: writing into the string, or reading past
// its end, faults.
class GuardedText {
public:
    explicit GuardedText(const std::string& text) {
        const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        const std::size_t data_pages = (text.size() + 1 + page - 1) / page;
        size_ = (data_pages + 1) * page;
        void* map = mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (map == MAP_FAILED) {
            ADD_FAILURE() << "mmap failed";
            return;
        }
        base_ = static_cast<char*>(map);
        char* start = base_ + data_pages * page - (text.size() + 1);
        std::memcpy(start, text.c_str(), text.size() + 1);
        mprotect(base_, data_pages * page, PROT_READ);
        mprotect(base_ + data_pages * page, page, PROT_NONE);
        text_ = start;
    }
    ~GuardedText() {
        if (base_ != nullptr) {
            munmap(base_, size_);
        }
    }
    GuardedText(const GuardedText&) = delete;
    GuardedText& operator=(const GuardedText&) = delete;

    const char* c_str() const { return text_; }

private:
    char* base_ = nullptr;
    std::size_t size_ = 0;
    const char* text_ = nullptr;
};

// A string element's text buffer the way the host allocates it (maximum
// character count plus the end byte), followed by a canary that every refresh
// must leave intact.
class HostTextBuffer {
public:
    static constexpr std::size_t CANARY_BYTES = 16;
    static constexpr char CANARY = static_cast<char>(0xA5);

    explicit HostTextBuffer(ELEMENT_STRING* element)
        : element_(element), bytes_(element->max_chars + 1 + CANARY_BYTES, CANARY) {
        element_->text = bytes_.data();
    }
    ~HostTextBuffer() { element_->text = nullptr; }
    HostTextBuffer(const HostTextBuffer&) = delete;
    HostTextBuffer& operator=(const HostTextBuffer&) = delete;

    // Calls the element's callback and returns the text it wrote.
    std::string refresh() {
        element_->callback(element_);
        EXPECT_TRUE(canary_intact()) << "text written past its buffer";
        const std::size_t limit = element_->max_chars + 1;
        const void* end = std::memchr(bytes_.data(), '\0', limit);
        if (end == nullptr) {
            ADD_FAILURE() << "text not ended within its buffer";
            return std::string(bytes_.data(), limit);
        }
        return std::string(bytes_.data(), static_cast<std::size_t>(static_cast<const char*>(end) - bytes_.data()));
    }

    bool canary_intact() const {
        for (std::size_t i = element_->max_chars + 1; i < bytes_.size(); ++i) {
            if (bytes_[i] != CANARY) {
                return false;
            }
        }
        return true;
    }

private:
    ELEMENT_STRING* element_;
    std::vector<char> bytes_;
};

// The plate's string element: the only child of its first element.
inline ELEMENT_STRING* plate_string(GAUGEHDR* gauge) {
    if (gauge == nullptr || gauge->elements == nullptr || gauge->elements[0] == nullptr ||
        gauge->elements[0]->next_element == nullptr || gauge->elements[0]->next_element[0] == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<ELEMENT_STRING*>(gauge->elements[0]->next_element[0]);
}

// The font face field up to its first zero byte; fails when the field has no
// zero byte or bytes other than zero follow it.
inline std::string font_face(const ELEMENT_STRING* element) {
    const char* face = element->font_face;
    const void* end = std::memchr(face, '\0', FONT_FACE_BYTES);
    if (end == nullptr) {
        ADD_FAILURE() << "font face not ended within its field";
        return std::string(face, FONT_FACE_BYTES);
    }
    std::size_t length = static_cast<std::size_t>(static_cast<const char*>(end) - face);
    for (std::size_t i = length; i < FONT_FACE_BYTES; ++i) {
        EXPECT_EQ(face[i], '\0') << "font face not zero-filled at byte " << i;
    }
    return std::string(face, length);
}
