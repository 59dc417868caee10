#pragma once

#include <QString>

namespace bench {

// The benchmark database every start-up, navigation and query comparison uses.
inline constexpr int Businesses = 30000;
inline constexpr int Templates = 100;

// Adds to an existing business database `businesses` businesses with every field of
// the main form filled, and replaces its templates with `templates` short ones.
void seedBenchmarkDatabase(const QString &file, int businesses = Businesses, int templates = Templates);

// A fresh business database at file, seeded.
void createBenchmarkDatabase(const QString &file, int businesses = Businesses, int templates = Templates);

} // namespace bench
