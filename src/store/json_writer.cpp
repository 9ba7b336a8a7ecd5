#include "store/json_writer.h"

#include <cstdio>

void JsonWriter::newline() {
    out_.push_back('\n');
    out_.append(firstInLevel_.size() * 2, ' ');
}

void JsonWriter::quoted(std::string_view text) {
    out_.push_back('"');
    for (char character : text) {
        uint8_t byte = static_cast<uint8_t>(character);
        if (character == '"' || character == '\\') {
            out_.push_back('\\');
            out_.push_back(character);
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out_ += escaped;
        } else {
            out_.push_back(character);
        }
    }
    out_.push_back('"');
}

void JsonWriter::beginValue(std::string_view key) {
    if (!firstInLevel_.empty()) {
        if (!firstInLevel_.back())
            out_.push_back(',');
        firstInLevel_.back() = false;
        newline();
    }
    if (!key.empty()) {
        quoted(key);
        out_ += ": ";
    }
}

void JsonWriter::openLevel(std::string_view key, char bracket) {
    beginValue(key);
    out_.push_back(bracket);
    firstInLevel_.push_back(true);
}

void JsonWriter::closeLevel(char bracket) {
    bool empty = firstInLevel_.back();
    firstInLevel_.pop_back();
    if (!empty)
        newline();
    out_.push_back(bracket);
}

void JsonWriter::beginObject(std::string_view key) {
    openLevel(key, '{');
}

void JsonWriter::endObject() {
    closeLevel('}');
    if (firstInLevel_.empty())
        out_.push_back('\n');
}

void JsonWriter::beginArray(std::string_view key) {
    openLevel(key, '[');
}

void JsonWriter::endArray() {
    closeLevel(']');
}

void JsonWriter::number(std::string_view key, int64_t value) {
    beginValue(key);
    out_ += std::to_string(value);
}

void JsonWriter::number(int64_t value) {
    number({}, value);
}

void JsonWriter::string(std::string_view key, std::string_view value) {
    beginValue(key);
    quoted(value);
}

void JsonWriter::numberRow(std::string_view key, const std::vector<int64_t>& values) {
    beginValue(key);
    out_.push_back('[');
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            out_ += ", ";
        out_ += std::to_string(values[i]);
    }
    out_.push_back(']');
}

void JsonWriter::numberRow(const std::vector<int64_t>& values) {
    numberRow({}, values);
}

void JsonWriter::numberFields(std::initializer_list<std::pair<std::string_view, int64_t>> fields) {
    beginValue({});
    out_.push_back('{');
    bool first = true;
    for (const auto& [key, value] : fields) {
        if (!first)
            out_ += ", ";
        first = false;
        quoted(key);
        out_ += ": " + std::to_string(value);
    }
    out_.push_back('}');
}
