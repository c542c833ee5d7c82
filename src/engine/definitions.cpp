#include "engine/definitions.h"

namespace engine {

const char* fieldTypeName(FieldType type) {
    switch (type) {
        case FieldType::AutoInc:
            return "AutoInc";
        case FieldType::Boolean:
            return "Boolean";
        case FieldType::Byte:
            return "Byte";
        case FieldType::Int8:
            return "Int8";
        case FieldType::Int16:
            return "Int16";
        case FieldType::Word16:
            return "Word16";
        case FieldType::Int32:
            return "Int32";
        case FieldType::Word32:
            return "Word32";
        case FieldType::Single:
            return "Single";
        case FieldType::Currency:
            return "Currency";
        case FieldType::DateTime:
            return "DateTime";
        case FieldType::String:
            return "String";
        case FieldType::Text:
            return "Text";
        case FieldType::Memo:
            return "Memo";
        case FieldType::Picture:
            return "Picture";
    }
    return "?";
}

bool isTextType(FieldType type) {
    return type == FieldType::String || type == FieldType::Text || type == FieldType::Memo;
}

bool isSizedType(FieldType type) {
    return type == FieldType::String || type == FieldType::Text;
}

bool isIntegerType(FieldType type) {
    switch (type) {
        case FieldType::AutoInc:
        case FieldType::Boolean:
        case FieldType::Byte:
        case FieldType::Int8:
        case FieldType::Int16:
        case FieldType::Word16:
        case FieldType::Int32:
        case FieldType::Word32:
            return type != FieldType::Boolean;
        default:
            return false;
    }
}

int TableDef::fieldIndex(const QString& fieldName) const {
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TableDef::indexIndex(const QString& indexName) const {
    for (int i = 0; i < indexes.size(); ++i)
        if (indexes[i].name.compare(indexName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool TableDef::hasAutoInc() const {
    for (const auto& f : fields)
        if (f.type == FieldType::AutoInc)
            return true;
    return false;
}

}  // namespace engine
