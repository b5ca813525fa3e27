// The results log worked as a person works it: conversion lines, calculator
// lines, amending, deleting and clearing, from tool buttons and menu items.
#include "CalculatorKeys.h"
#include "ResultsLogFixture.h"

namespace tavrix {
namespace {

TEST_F(ResultsLogTest, AmendedTextBecomesTheLog) {
    setLogLines({"first", "", "third"});
    EXPECT_EQ(logLines(), QStringList({"first", "", "third"}));
    EXPECT_EQ(logText(), "first\n\nthird\n");
}

} // namespace
} // namespace tavrix
