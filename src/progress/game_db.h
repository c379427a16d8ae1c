// The game database: one connection open for the whole run, and the small queries every
// part of the game uses to read and change it.
#pragma once

#include <memory>
#include <string>

#include "progress/sqliter.h"

extern std::unique_ptr<TSQLiter> GameDb;

// Opens GameDb on path (closing any earlier one), loudly when the file is missing.
int OpenGameDb(const std::string& path);
// Closes and drops GameDb; the queries then return their defaults.
void CloseGameDb();

// A text value ready to go between single quotes: every quote doubled, so O'Neil stays O'Neil.
std::string SqlText(const std::string& value);

// Getters: column first. 0, 0.0 or "" when nothing is found; id < 1 sends no statement.
int DbGetInt(const std::string& column, const std::string& table, int id);
int DbGetIntWhere(const std::string& column, const std::string& table, const std::string& keyColumn,
                  const std::string& keyText);
float DbGetFloat(const std::string& column, const std::string& table, int id);
std::string DbGetString(const std::string& column, const std::string& table, int id);
std::string DbGetStringWhere(const std::string& column, const std::string& table,
                             const std::string& keyColumn, const std::string& keyText);

// Setters: table first; each change is its own committed transaction. They return 0.
int DbSetInt(const std::string& table, const std::string& column, int value, int id);
int DbSetFloat(const std::string& table, const std::string& column, float value, int id);
int DbSetString(const std::string& table, const std::string& column, const std::string& value, int id);
