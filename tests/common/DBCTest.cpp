#include "varnel/common/DBC.h"

#include "tests/support/ThrowingAssertHandler.h"

#include <cstring>

#include <gtest/gtest.h>

using namespace varnel;

namespace {

int checked_square_root(int square) {
    DBC_PRECONDITION(square >= 0);
    int root = 0;
    while ((root + 1) * (root + 1) <= square) {
        ++root;
    }
    DBC_POSTCONDITION(root * root <= square);
    return root;
}

void fail(DBC::IAssertHandler::Type type) {
    switch (type) {
    case DBC::IAssertHandler::postcondition:
        DBC_POSTCONDITION(false);
        break;
    case DBC::IAssertHandler::precondition:
        DBC_PRECONDITION(false);
        break;
    case DBC::IAssertHandler::check:
        DBC_CHECK(false);
        break;
    case DBC::IAssertHandler::unreachable:
        DBC_UNREACHABLE();
    }
}

class RecordingHandler : public DBC::IAssertHandler {
public:
    void raise_assertion(Type t, const char* f, int l, const char* fn) override {
        type = t;
        file = f;
        line = l;
        function = fn;
        throw 0; // leave the failed check without ending the test process
    }
    Type type = check;
    std::string file;
    int line = 0;
    std::string function;
};

} // namespace

TEST(DBCTest, passing_checks_do_not_reach_the_handler) {
    ScopedThrowingAssertHandler handler;
    EXPECT_EQ(checked_square_root(17), 4);
}

TEST(DBCTest, each_kind_reports_its_own_type) {
    for (const auto type : {DBC::IAssertHandler::postcondition, DBC::IAssertHandler::precondition,
                            DBC::IAssertHandler::check, DBC::IAssertHandler::unreachable}) {
        EXPECT_CONTRACT_VIOLATION(fail(type), type);
    }
}

TEST(DBCTest, a_failed_check_passes_file_line_and_signature) {
    RecordingHandler handler;
    DBC::set_assert_handler(&handler);
    const int expected_line = __LINE__ + 2;
    try {
        DBC_CHECK(1 + 1 == 3);
    } catch (int) {
    }
    DBC::set_assert_handler(nullptr);
    EXPECT_EQ(handler.type, DBC::IAssertHandler::check);
    EXPECT_NE(handler.file.find("DBCTest.cpp"), std::string::npos);
    EXPECT_EQ(handler.line, expected_line);
    EXPECT_NE(handler.function.find("TestBody"), std::string::npos) << handler.function;
}

TEST(DBCTest, the_signature_names_parameter_and_result_types) {
    ScopedThrowingAssertHandler handler;
    try {
        checked_square_root(-1);
        FAIL() << "the precondition did not fail";
    } catch (const ContractViolation& violation) {
        // GCC and clang name the unnamed namespace differently; both give the whole signature.
        EXPECT_EQ(violation.function.rfind("int ", 0), 0u) << violation.function;
        EXPECT_NE(violation.function.find("::checked_square_root(int)"), std::string::npos)
            << violation.function;
    }
}

using DBCDeathTest = testing::Test;

TEST(DBCDeathTest, without_a_handler_a_failed_check_exits_with_status_one) {
    DBC::set_assert_handler(nullptr);
    EXPECT_EXIT(checked_square_root(-4), testing::ExitedWithCode(1), "");
    EXPECT_EXIT(fail(DBC::IAssertHandler::unreachable), testing::ExitedWithCode(1), "");
}

TEST(DBCDeathTest, after_a_handler_returns_the_process_exits_with_status_one) {
    struct SilentHandler : DBC::IAssertHandler {
        void raise_assertion(Type, const char*, int, const char*) override {}
    };
    EXPECT_EXIT(
        {
            SilentHandler handler;
            DBC::set_assert_handler(&handler);
            DBC_CHECK(false);
        },
        testing::ExitedWithCode(1), "");
}
