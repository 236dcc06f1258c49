// The display-list name that stands for none, for every holder of a list.
#pragma once

// -1 in the type the holder keeps its list name in: an int reads -1, an unsigned has all bits
// set.
template <typename Name> constexpr Name noDisplayList = static_cast<Name>(-1);
