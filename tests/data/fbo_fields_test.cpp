#include "data/fbo_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestro {
namespace {

using Fields = std::vector<std::string>;

// Expected fields padded the way the reader pads them.
Fields Padded(Fields fields) {
  if (fields.size() < kFBOFieldCount) fields.resize(kFBOFieldCount);
  return fields;
}

struct SplitCase {
  const char* name;
  std::string line;
  Fields expected;
};

class SplitFBOLineTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitFBOLineTest, ReadsFields) {
  const SplitCase& c = GetParam();
  Fields fields{"left", "over"};
  SplitFBOLine(c.line, fields);
  EXPECT_EQ(fields, Padded(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitFBOLineTest,
    testing::Values(
        SplitCase{"Full",
                  "SFO,Signature,,,FS,$5.10,$4.90,,01/02/2024",
                  {"SFO", "Signature", "", "", "FS", "$5.10", "$4.90", "", "01/02/2024"}},
        SplitCase{"Quoted",
                  R"(ABC,"Joe Air","Say ""hi"", 555",x)",
                  {"ABC", "Joe Air", R"(Say "hi", 555)", "x"}},
        SplitCase{"UnquotedBlankSplitsName",
                  "ABC,Joe Air,555-1212,,FS",
                  {"ABC", "Joe", "Air", "555-1212", "", "FS"}},
        SplitCase{"BlanksAroundFieldsAndCommas", "  ABC , Name ,,X,", {"ABC", "Name", "", "X"}},
        SplitCase{"TwoCommasGiveEmptyField", "A,,B", {"A", "", "B"}},
        SplitCase{"LeadingComma", ",B", {"", "B"}},
        SplitCase{"ControlCharactersSkipped", "\t\001A,\037B\r", {"A", "B"}},
        SplitCase{"QuoteRightAfterQuotedField", R"("ab"cd,e)", {"ab", "cd", "e"}},
        SplitCase{"UnterminatedQuoteRunsToEnd", R"(A,"open, end)", {"A", "open, end"}},
        SplitCase{"NulIsASeparator", std::string("A\0B,C", 5), {"A", "B", "C"}},
        SplitCase{"EmptyLine", "", {}}, SplitCase{"OnlyBlanks", "   ", {}},
        SplitCase{"MoreThanNineFieldsKept",
                  "1,2,3,4,5,6,7,8,9,10,11",
                  {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}}),
    [](const testing::TestParamInfo<SplitCase>& param) { return std::string(param.param.name); });

struct QuoteCase {
  std::string field;
  std::string written;
};

TEST(QuoteFBOFieldTest, QuotesOnlyWhenTheReaderNeedsIt) {
  const std::vector<QuoteCase> cases = {
      {"", ""},
      {"Signature", "Signature"},
      {"$4.25", "$4.25"},
      {"01/02/2024", "01/02/2024"},
      {"Joe Air", R"("Joe Air")"},
      {"a,b", R"("a,b")"},
      {R"(say "hi")", R"("say ""hi""")"},
      {"tab\there", "\"tab\there\""},
      {std::string("nul\0x", 5), std::string("\"nul\0x\"", 7)},
      {"\311cole", "\311cole"},
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteFBOField(c.field), c.written) << c.field;
}

TEST(JoinFBOFieldsTest, WritesWhatTheReaderReadsBack) {
  const std::vector<Fields> records = {
      {"SFO", "Signature Flight Support", "415-555-1212, www.example.com", "No info", "FS", "$5.10",
       "", "$4.20", "01/02/2024"},
      {"", "", "", "", "", "", "", "", ""},
      {"O69", R"(Joe's "Best" Air)", "a,b,,c", "  padded  ", "AS", "", "", "", ""},
      {"ABC", "\001ctl", "line\r\nbreak", ",", "\"", "", "", "", "12/31/1999"},
  };
  for (const auto& record : records) {
    const std::string line = JoinFBOFields(record);
    Fields back;
    SplitFBOLine(line, back);
    EXPECT_EQ(back, record) << line;
  }
  EXPECT_EQ(JoinFBOFields({"SFO", "Joe Air", "", "x"}), R"(SFO,"Joe Air",,x)");
}

TEST(WithoutDollarSignsTest, RemovesEveryDollar) {
  EXPECT_EQ(WithoutDollarSigns("SFO,$Cash$,,,FS,$5.10,$$4.90,,"), "SFO,Cash,,,FS,5.10,4.90,,");
  EXPECT_EQ(WithoutDollarSigns(""), "");
}

}  // namespace
}  // namespace kestro
