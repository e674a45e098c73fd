// The engines' own containers against the standard ones: the small vector of
// the tree under random operations, and the in-place edits of ExpressionText.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "CaseTable.h"
#include "ExpressionText.h"
#include "SmallVector.h"
#include "TextOps.h"

namespace {
const std::string Data = "expr/data/textops.tsv";

// Strings long enough to live on the heap, so that a lost or doubled element
// is a leak or a double free the sanitizers report.
std::string Item(int n) { return "element number " + std::to_string(n) + " of the random run"; }
}  // namespace

TEST(SmallVectorTest, DoesWhatStdVectorDoesUnderRandomOperations) {
    using Small = SmallVector<std::string, 4>;
    std::mt19937 random(20261207);
    Small small, other;
    std::vector<std::string> reference, otherReference;
    auto same = [](const Small& s, const std::vector<std::string>& v) {
        return std::vector<std::string>(s.begin(), s.end()) == v;
    };
    for (int step = 0; step < 20000; ++step) {
        const int op = static_cast<int>(random() % 10);
        const std::size_t at = reference.empty() ? 0 : random() % (reference.size() + 1);
        const std::string item = Item(step);
        switch (op) {
        case 0:
        case 1:
            small.push_back(item);
            reference.push_back(item);
            break;
        case 2:
            small.insert(small.begin() + at, item);
            reference.insert(reference.begin() + static_cast<long>(at), item);
            break;
        case 3: {  // a range of the vector itself, inserted into it
            const std::size_t from = at / 2, to = at;
            small.insert(small.begin() + at / 3, small.begin() + from, small.begin() + to);
            std::vector<std::string> part(reference.begin() + static_cast<long>(from),
                                          reference.begin() + static_cast<long>(to));
            reference.insert(reference.begin() + static_cast<long>(at / 3), part.begin(), part.end());
            break;
        }
        case 4:
            if (!reference.empty()) {
                const std::size_t i = at % reference.size();
                small.erase(small.begin() + i);
                reference.erase(reference.begin() + static_cast<long>(i));
            }
            break;
        case 5:
            if (!reference.empty()) {
                small.pop_back();
                reference.pop_back();
            }
            break;
        case 6:  // moved out and back: inline and heap storage both change hands
            other = std::move(small);
            otherReference = std::move(reference);
            small = Small(std::move(other));
            reference = otherReference;
            other = Small{item};
            break;
        case 7:
            other = small;
            ASSERT_TRUE(same(other, reference)) << "copy at step " << step;
            break;
        case 8:
            small.emplace_back(small.empty() ? item : small.front());  // an element of its own
            reference.push_back(reference.empty() ? item : reference.front());
            break;
        case 9:
            if (reference.size() > 40 || random() % 8 == 0) {
                small.clear();
                reference.clear();
            }
            small.reserve(random() % 12);
            break;
        }
        ASSERT_TRUE(same(small, reference)) << "operation " << op << " at step " << step;
    }
}

TEST(ExpressionTextTest, InsertInPlace) {
    for (const CaseRow& row : CaseTable(Data, "Insert")) {
        ExpressionText t(row[0]);
        t.Insert(row.Int(1), row[2]);
        EXPECT_EQ(t.Str(), row[3]) << row.where;
    }
    // A part of the text inserted into itself, and a cut at 255 counted.
    ExpressionText t("abc");
    t.Insert(1, t.View());
    EXPECT_EQ(t.Str(), "aabcbc");
    ExpressionText full(std::string(254, 'x'));
    const long cuts = TextCutCount;
    full.Insert(2, "ab");
    EXPECT_EQ(full.Str(), "xxab" + std::string(251, 'x'));
    EXPECT_EQ(TextCutCount, cuts + 1);
}

TEST(TermsTest, SingleTermAndFirstTerm) {
    ExpectTable(Data, "IsSingleTerm", [](const std::string& s) { return IsSingleTerm(s); });
    ExpectTable(Data, "FirstTerm", [](const std::string& s) { return FirstTerm(s); });
}
