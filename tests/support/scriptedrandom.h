// A random source that hands out a fixed script of numbers, over and over.
#pragma once

#include "randomsource.h"

#include <cstddef>
#include <vector>

class ScriptedRandom : public quiz::RandomSource
{
public:
    explicit ScriptedRandom(std::vector<double> script) : m_script(std::move(script)) {}

    double Rnd() override
    {
        ++m_calls;
        const double r = m_script[m_next];
        m_next = (m_next + 1) % m_script.size();
        return r;
    }

    std::size_t calls() const { return m_calls; }

private:
    std::vector<double> m_script;
    std::size_t m_next = 0;
    std::size_t m_calls = 0;
};
