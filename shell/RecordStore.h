#pragma once
// The records of each board size, below the size's key in the settings store
// ("8_18"). The best result: the best time in whole seconds as the key's text
// ("0", or no text, is no result), and the holder's name as the text of its
// key "Name". The statistics: below Statistics\<size key>, each count a
// decimal text value of its own name ("Played", "Won"...).

#include "board/GameRecords.h"

#include <string>

// The stored best time; 0 (no result) when there is none, when the text is no
// positive number, or when it has 20 characters or more.
unsigned ReadBestTime(const std::string& key);
// The best time, with the holder's name in name (cut to 19 characters) when
// one is stored; name stays as it was otherwise.
unsigned ReadBestResult(const std::string& key, std::string& name);
// Leaves the size with no result: its time "0" and an empty name.
void ClearBestResult(const std::string& key);

// The size's statistics; all zero when any value is missing or damaged.
CGameRecord ReadGameRecord(const std::string& key);
void WriteGameRecord(const std::string& key, const CGameRecord& record);
// The statistics of every size gone; the best results stay.
void ClearGameRecords();
