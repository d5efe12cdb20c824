#pragma once

// Reserved: reset by the drill items, read by nothing.
enum class HeSheSeedStatus { unset, he, she };
