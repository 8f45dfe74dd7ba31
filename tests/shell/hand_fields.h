#pragma once
// Fields of a file set by hand for round trips that compare field by field,
// not through the game's own writer. Small codes cannot all differ at once,
// so a table spreads its values over a few passes: what counts is that every
// two fields differ, and every field leaves its starting value, in some pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/seqfile.h"

namespace shelltest {

constexpr int kPasses = 4;

struct HandField {
    std::string what;
    std::array<double, kPasses> values{};
    std::function<double()> get;
    std::function<void(double)> set;
    std::string* text = nullptr;  // a name instead of a number
    std::string name;
};

// One value for every pass, or one for each.
template <class T>
HandField byHand(std::string what, T& var, std::initializer_list<double> values) {
    HandField f;
    f.what = std::move(what);
    f.values.fill(*values.begin());
    if (values.size() == kPasses) std::copy(values.begin(), values.end(), f.values.begin());
    f.get = [&var] { return double(var); };
    f.set = [&var](double v) { var = T(v); };
    return f;
}

inline HandField byHand(std::string what, std::string& var, std::string name) {
    HandField f;
    f.what = std::move(what);
    f.text = &var;
    f.name = std::move(name);
    return f;
}

// What the field should hold in a pass, and what it holds, as text.
inline std::string wanted(const HandField& f, int pass) {
    return f.text ? f.name : platform::formatNumber(f.values[pass]);
}
inline std::string held(const HandField& f) { return f.text ? *f.text : platform::formatNumber(f.get()); }

inline void setAll(const std::vector<HandField>& fields, int pass) {
    for (const HandField& f : fields) {
        if (f.text)
            *f.text = f.name;
        else
            f.set(f.values[pass]);
    }
}

// The table tells every slip apart: against the values held now (the
// starting state) and against each other.
inline void expectEachFieldTellsApart(const std::vector<HandField>& fields) {
    auto differs = [](auto&& value) {
        for (int pass = 0; pass < kPasses; ++pass)
            if (value(pass)) return true;
        return false;
    };
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string start = held(fields[i]);
        EXPECT_TRUE(differs([&](int p) { return wanted(fields[i], p) != start; })) << fields[i].what;
        for (std::size_t j = i + 1; j < fields.size(); ++j)
            EXPECT_TRUE(differs([&](int p) { return wanted(fields[i], p) != wanted(fields[j], p); }))
                << fields[i].what << " and " << fields[j].what;
    }
}

}  // namespace shelltest
