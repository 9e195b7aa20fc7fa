#include "cli/LineReader.h"

#include "cli/CommandError.h"
#include "cli/ReadSample.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

class LineReaderTest : public testing::Test {
protected:
    void TearDown() override { std::filesystem::remove(path); }

    void write_file(const std::string& bytes) const {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // Each line's text and ending, joined as "text|ending;".
    std::string lines_of(std::size_t block_size) const {
        InputFile file(path);
        LineReader reader(file, block_size);
        std::string lines;
        while (const auto line = reader.next()) {
            lines.append(line->text).append("|").append(line->ending).append(";");
        }
        return lines;
    }

    const std::string path = std::filesystem::temp_directory_path() /
                             ("varnel-line-reader-" + std::to_string(::getpid()));
};

} // namespace

TEST_F(LineReaderTest, lines_keep_their_endings_whatever_the_block_size) {
    const struct {
        std::string bytes;
        std::string lines;
        std::wstring sample;
    } cases[] = {
        {"", "", L""},
        {"one", "one|;", L"one"},
        {"one\n", "one|\n;", L"one"},
        {"one\r\ntwo\nthree", "one|\r\n;two|\n;three|;", L"one\r\ntwo\nthree"},
        {"a\r\n\r\n", "a|\r\n;|\r\n;", L"a\r\n"},
        {"\n\n", "|\n;|\n;", L"\n"},
        {"cr\ralone\r", "cr\ralone\r|;", L"cr\ralone\r"},
        {"caf\xC3\xA9\r\n", "caf\xC3\xA9|\r\n;", L"caf\u00e9"},
    };
    for (const auto& c : cases) {
        write_file(c.bytes);
        for (const std::size_t block_size : {1, 2, 3, 65536}) {
            EXPECT_EQ(lines_of(block_size), c.lines) << c.bytes << " in blocks of " << block_size;
        }
        EXPECT_EQ(read_sample(path), c.sample) << c.bytes;
    }
}

TEST_F(LineReaderTest, invalid_utf8_names_the_file_and_the_line) {
    const struct {
        std::string bytes;
        std::string line;
    } cases[] = {
        {"\xFF", "line 1"},
        {"ok\r\nok\ncaf\xC3\n", "line 3"},
        {"a\n\n\xED\xA0\x80", "line 3"},
    };
    for (const auto& c : cases) {
        write_file(c.bytes);
        try {
            read_sample(path);
            ADD_FAILURE() << "no error for " << c.bytes;
        } catch (const CommandError& error) {
            EXPECT_EQ(error.what(), path + ": " + c.line + ": not valid UTF-8");
        }
    }
}
