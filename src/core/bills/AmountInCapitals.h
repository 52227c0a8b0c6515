#pragma once

#include <QString>

namespace kesvar {

// The amount written in Chinese capital numerals as financial documents require, e.g. 1234.5 ->
// "人民币壹仟贰佰叁拾肆元伍角", 100 -> "人民币壹佰元整". The amount is first rounded to cents; a
// total below zero gets a leading "-". The section units 元, 万 and 亿 are always written, also for
// empty sections, and above 亿 the units go on with 万 and 亿 in turn (no 兆). A value that is not
// a finite number gives an empty text.
QString AmountInCapitals(double amount);

} // namespace kesvar
