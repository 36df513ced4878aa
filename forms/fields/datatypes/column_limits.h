// The limits of the database column a field is bound to, and the mapping
// between ODBC SQL types and the column codes of field values.
#pragma once

#include <cstdint>
#include <string>

// ODBC SQL type codes.
constexpr int16_t kSqlBit = -7;
constexpr int16_t kSqlTinyInt = -6;
constexpr int16_t kSqlBigInt = -5;
constexpr int16_t kSqlLongVarBinary = -4;
constexpr int16_t kSqlVarBinary = -3;
constexpr int16_t kSqlBinary = -2;
constexpr int16_t kSqlLongVarChar = -1;
constexpr int16_t kSqlChar = 1;
constexpr int16_t kSqlNumeric = 2;
constexpr int16_t kSqlDecimal = 3;
constexpr int16_t kSqlInteger = 4;
constexpr int16_t kSqlSmallInt = 5;
constexpr int16_t kSqlFloat = 6;
constexpr int16_t kSqlReal = 7;
constexpr int16_t kSqlDouble = 8;
constexpr int16_t kSqlDate = 9;
constexpr int16_t kSqlTime = 10;
constexpr int16_t kSqlTimestamp = 11;
constexpr int16_t kSqlVarChar = 12;

// Column codes of field values.
constexpr int16_t kColumnNone = 0;
constexpr int16_t kColumnShortText = 2;
constexpr int16_t kColumnLongText = 3;
constexpr int16_t kColumnNumber = 4;
constexpr int16_t kColumnBoolean = 5;
constexpr int16_t kColumnDate = 6;
constexpr int16_t kColumnBinary = 7;

constexpr uint16_t kNoScale = 0xFFFF;

struct COLUMNLIMITS {
    // SQL type 0 resets the limits and keeps the column size.
    void Set(int16_t sqlType, uint32_t columnSize, uint16_t scale);

    int32_t nColumnSize = -1; // characters, or digits for numbers
    int32_t bIntegerOnly = 0;
    double dMaxPositive = -1.0; // -1.0: no limit
    double dMaxNegative = -1.0; // magnitude of the most negative value
    uint16_t nScale = kNoScale; // digits after the point
};

int16_t SqlTypeToColumnType(int16_t sqlType);
int16_t ColumnTypeToSqlType(int16_t columnType);
// The short letters of the column code of an SQL type ("ST", "N", ...).
void GetColumnTypeLetters(std::string& out, int16_t sqlType);
