#pragma once
// Text from a command line or the environment, as a one-line refusal shows it.
#include <string>
#include <string_view>

// The text in single quotes, each control character written as \xHH so the refusal stays one line
// and nothing it quotes can steer a terminal.
std::string Quoted(std::string_view text);
