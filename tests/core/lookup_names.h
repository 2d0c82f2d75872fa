#pragma once

#include "lookup/types.h"

// Short names for the tables of lookup cases.
namespace orvell::lookup::names {

inline constexpr auto kVB = SearchType::VisualBasic;
inline constexpr auto kDelphi = SearchType::Delphi;
inline constexpr auto kC = SearchType::C;
inline constexpr auto kZh = Language::Chinese;
inline constexpr auto kEn = Language::English;
inline constexpr auto kSearch = SearchMode::Search;
inline constexpr auto kReverse = SearchMode::ReverseSearch;
inline constexpr auto kShort = TableKind::Short;
inline constexpr auto kFull = TableKind::Full;

}  // namespace orvell::lookup::names
