#include "forms/fields/datatypes/column_limits.h"

void COLUMNLIMITS::Set(int16_t sqlType, uint32_t columnSize, uint16_t scale)
{
    if (sqlType == 0) {
        dMaxPositive = -1.0;
        dMaxNegative = -1.0;
        bIntegerOnly = 0;
        nScale = kNoScale;
        return;
    }
    nColumnSize = static_cast<int32_t>(columnSize);
    bIntegerOnly = 0;
    dMaxPositive = -1.0;
    dMaxNegative = -1.0;
    switch (sqlType) {
    case kSqlTinyInt:
        bIntegerOnly = 1;
        dMaxPositive = 127.0;
        dMaxNegative = 128.0;
        break;
    case kSqlBigInt: // takes the 32-bit limits, as columns always have
    case kSqlInteger:
        bIntegerOnly = 1;
        dMaxPositive = 2147483647.0;
        dMaxNegative = 2147483648.0;
        break;
    case kSqlSmallInt:
        bIntegerOnly = 1;
        dMaxPositive = 32767.0;
        dMaxNegative = 32768.0;
        break;
    default:
        break;
    }
    nScale = (sqlType == kSqlNumeric || sqlType == kSqlDecimal) ? scale : kNoScale;
}

int16_t SqlTypeToColumnType(int16_t sqlType)
{
    switch (sqlType) {
    case kSqlBit:
        return kColumnBoolean;
    case kSqlTinyInt:
    case kSqlNumeric:
    case kSqlDecimal:
    case kSqlInteger:
    case kSqlSmallInt:
    case kSqlFloat:
    case kSqlReal:
    case kSqlDouble:
        return kColumnNumber;
    case kSqlLongVarBinary:
    case kSqlVarBinary:
    case kSqlBinary:
        return kColumnBinary;
    case kSqlLongVarChar:
        return kColumnLongText;
    case kSqlChar:
    case kSqlVarChar:
        return kColumnShortText;
    case kSqlDate:
    case kSqlTime:
    case kSqlTimestamp:
        return kColumnDate;
    default:
        return kColumnNone;
    }
}

int16_t ColumnTypeToSqlType(int16_t columnType)
{
    switch (columnType) {
    case kColumnShortText:
        return kSqlVarChar;
    case kColumnLongText:
        return kSqlLongVarChar;
    case kColumnNumber:
        return kSqlDouble;
    case kColumnBoolean:
        return kSqlBit;
    case kColumnDate:
        return kSqlTimestamp;
    case kColumnBinary:
        return kSqlVarBinary;
    default:
        return 0;
    }
}

void GetColumnTypeLetters(std::string& out, int16_t sqlType)
{
    switch (SqlTypeToColumnType(sqlType)) {
    case kColumnShortText:
        out = "ST";
        break;
    case kColumnLongText:
        out = "LT";
        break;
    case kColumnNumber:
        out = "N";
        break;
    case kColumnBoolean:
        out = "B";
        break;
    case kColumnDate:
        out = "D";
        break;
    case kColumnBinary:
        out = "Bin";
        break;
    default:
        out.clear();
        break;
    }
}
