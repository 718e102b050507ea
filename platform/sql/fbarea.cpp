#include "platform/sql/fbarea.h"

#include <cstring>

#include "platform/sql/fbvalues.h"

namespace {

std::string VarName(const char* name, short length)
{
    return std::string(name, static_cast<size_t>(length));
}

TFbType ExactType(TFbType plain, short scale)
{
    return scale < 0 ? TFbType::Numeric : plain;
}

} // namespace

int BytesPerChar(int charset)
{
    switch (charset) {
    case 3: // UNICODE_FSS
        return 3;
    case 4:  // UTF8
    case 69: // GB18030
        return 4;
    case 5:  // SJIS_0208
    case 6:  // EUCJ_0208
    case 44: // KSC_5601
    case 56: // BIG_5
    case 57: // GB_2312
    case 67: // GBK
    case 68: // CP943C
        return 2;
    default:
        return 1;
    }
}

TFbColumn DescribeVar(const XSQLVAR& var)
{
    TFbColumn column;
    column.Name = VarName(var.aliasname, var.aliasname_length);
    column.Relation = VarName(var.relname, var.relname_length);
    column.Field = VarName(var.sqlname, var.sqlname_length);
    column.Nullable = (var.sqltype & 1) != 0;
    column.Scale = var.sqlscale;
    column.Size = var.sqllen;
    switch (var.sqltype & ~1) {
    case SQL_SHORT:
        column.Type = ExactType(TFbType::Smallint, var.sqlscale);
        break;
    case SQL_LONG:
        column.Type = ExactType(TFbType::Integer, var.sqlscale);
        break;
    case SQL_INT64:
        column.Type = ExactType(TFbType::Bigint, var.sqlscale);
        break;
    case SQL_DOUBLE:
        column.Type = ExactType(TFbType::Double, var.sqlscale);
        break;
    case SQL_FLOAT:
        column.Type = TFbType::Float;
        column.Scale = 0;
        break;
    case SQL_TEXT:
        column.Type = TFbType::Char;
        column.Scale = 0;
        column.Size = var.sqllen / BytesPerChar(var.sqlsubtype & 0xFF);
        break;
    case SQL_VARYING:
    case SQL_NULL: // the type of a parameter in "? IS NULL": sent as text
        column.Type = TFbType::Varchar;
        column.Scale = 0;
        column.Size = var.sqllen / BytesPerChar(var.sqlsubtype & 0xFF);
        break;
    case SQL_TYPE_DATE:
        column.Type = TFbType::Date;
        break;
    case SQL_TYPE_TIME:
        column.Type = TFbType::Time;
        break;
    case SQL_TIMESTAMP:
        column.Type = TFbType::Timestamp;
        break;
    case SQL_BLOB:
        column.Type = var.sqlsubtype == 1 ? TFbType::TextBlob : TFbType::BinaryBlob;
        column.Scale = 0;
        break;
    case SQL_BOOLEAN:
        column.Type = TFbType::Boolean;
        break;
    default:
        throw EDatabaseError("Column " + (column.Name.empty() ? column.Field : column.Name)
                             + " has a type this client does not handle (" + std::to_string(var.sqltype & ~1)
                             + ")");
    }
    if (column.Type != TFbType::Numeric)
        column.Scale = 0;
    return column;
}

TFbArea::TFbArea(int count)
    : FSqlda(static_cast<XSQLDA*>(std::calloc(1, XSQLDA_LENGTH(count < 1 ? 1 : count))), &std::free)
{
    if (!FSqlda)
        throw std::bad_alloc();
    FSqlda->version = SQLDA_VERSION1;
    FSqlda->sqln = static_cast<ISC_SHORT>(count < 1 ? 1 : count);
}

void TFbArea::Bind(const std::function<void(XSQLVAR&, std::vector<char>&)>& Prepare)
{
    const int count = Count();
    Columns.clear();
    Slots.assign(static_cast<size_t>(count), TFbSlot());
    for (int i = 0; i < count; ++i) {
        XSQLVAR& var = Var(i);
        Columns.push_back(DescribeVar(var));
        TFbSlot& slot = Slots[static_cast<size_t>(i)];
        slot.Charset = var.sqlsubtype & 0xFF;
        Prepare(var, slot.Data);
        var.sqldata = slot.Data.data();
        var.sqlind = &slot.Null;
    }
}

void TFbArea::BindOutput()
{
    Bind([](XSQLVAR& var, std::vector<char>& data) {
        const int base = var.sqltype & ~1;
        data.assign(static_cast<size_t>(var.sqllen) + (base == SQL_VARYING ? 2 : 0), 0);
        var.sqltype = static_cast<ISC_SHORT>(base | 1);
    });
}

void TFbArea::BindInput()
{
    Bind(PrepareParamVar);
}
