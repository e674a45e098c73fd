#pragma once
// CaseFile.h's tables in GoogleTest: an empty or missing table fails, and
// ExpectTable checks a routine against every row.
#include <gtest/gtest.h>

#include <type_traits>

#include "CaseFile.h"

// The rows of table in tests/<file>, at least one.
inline std::vector<CaseRow> CaseTable(const std::string& file, std::string_view table) {
    std::vector<CaseRow> rows = ReadCaseTable(file, table);
    if (rows.empty()) ADD_FAILURE() << "no rows of " << table << " in " << file;
    return rows;
}

// Every row of table: routine(first field) gives the second field (the first
// again when there is none; "1" or "0" for a predicate).
template <class Routine>
void ExpectTable(const std::string& file, std::string_view table, Routine routine) {
    for (const CaseRow& row : CaseTable(file, table)) {
        const auto result = routine(row[0]);
        const std::string& expected = row.size() > 1 ? row[1] : row[0];
        if constexpr (std::is_same_v<decltype(result), const bool>)
            EXPECT_EQ(result, expected == "1") << row.where << ": " << row[0];
        else if constexpr (requires { result.Str(); })
            EXPECT_EQ(result.Str(), expected) << row.where << ": " << row[0];
        else
            EXPECT_EQ(result, expected) << row.where << ": " << row[0];
    }
}
