#pragma once

#include <functional>

// Runs a computation over amounts. When a sum or product leaves the range of Money it
// shows "金額が大きすぎるため計算できません。" and returns false; the caller then leaves
// the document as it was.
bool ComputedWithinRange(const std::function<void()>& compute);
