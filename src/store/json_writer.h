#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A small streaming JSON writer: values are appended in order, commas and
// indentation are added as needed. Strings must be UTF-8.
class JsonWriter {
  public:
    void beginObject(std::string_view key = {});
    void endObject();
    void beginArray(std::string_view key = {});
    void endArray();
    void number(std::string_view key, int64_t value);
    void number(int64_t value);
    void string(std::string_view key, std::string_view value);

    // Arrays of numbers print on one line.
    void numberRow(std::string_view key, const std::vector<int64_t>& values);
    void numberRow(const std::vector<int64_t>& values);

    // A flat object of numbers on one line.
    void numberFields(std::initializer_list<std::pair<std::string_view, int64_t>> fields);

    const std::string& text() const { return out_; }

  private:
    void beginValue(std::string_view key);
    // An object or array level: its bracket, and on closing the newline
    // before it unless the level stayed empty.
    void openLevel(std::string_view key, char bracket);
    void closeLevel(char bracket);
    void newline();
    void quoted(std::string_view text);

    std::string out_;
    std::vector<bool> firstInLevel_;
};
