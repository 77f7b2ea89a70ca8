#include "support/test_doubles.h"

// The doubles of the platform services in vrendis_core; the widget ones are in test_doubles.cpp.

namespace testing_support {

ScriptedRandom::ScriptedRandom(std::vector<float> values) {
    script(std::move(values));
    platform::set_random_source(this);
}

ScriptedRandom::~ScriptedRandom() {
    platform::set_random_source(nullptr);
}

void ScriptedRandom::script(std::vector<float> values) {
    values_.assign(values.begin(), values.end());
}

float ScriptedRandom::next() {
    ++draws;
    if (!values_.empty()) {
        last_ = values_.front();
        values_.pop_front();
    }
    return last_;
}

}  // namespace testing_support
