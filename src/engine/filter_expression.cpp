#include "engine/filter_expression.h"

#include "engine/error.h"
#include "engine/sqlite_util.h"

namespace engine {
namespace {

struct Token {
    enum Kind { End, Ident, Text, Number, Op, LParen, RParen } kind = End;
    QString text;
};

class Lexer {
  public:
    explicit Lexer(const QString& s) : s_(s) {}

    Token next() {
        while (pos_ < s_.size() && s_[pos_].isSpace())
            ++pos_;
        if (pos_ >= s_.size())
            return {Token::End, {}};
        const QChar c = s_[pos_];
        if (c == QLatin1Char('('))
            return ++pos_, Token{Token::LParen, QStringLiteral("(")};
        if (c == QLatin1Char(')'))
            return ++pos_, Token{Token::RParen, QStringLiteral(")")};
        if (c == QLatin1Char('\''))
            return text();
        if (c == QLatin1Char('['))
            return bracketed();
        if (c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('='))
            return op();
        if (c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('.'))
            return number();
        if (c.isLetter() || c == QLatin1Char('_'))
            return ident();
        fail(QStringLiteral("unexpected character '%1'").arg(c));
    }

    [[noreturn]] void fail(const QString& what) const {
        throw Error(Error::Code::BadFilter,
                    QStringLiteral("filter '%1': %2 at %3").arg(s_, what).arg(pos_ + 1));
    }

  private:
    Token text() {
        QString out;
        ++pos_;
        while (true) {
            if (pos_ >= s_.size())
                fail(QStringLiteral("unterminated text"));
            if (s_[pos_] == QLatin1Char('\'')) {
                if (pos_ + 1 < s_.size() && s_[pos_ + 1] == QLatin1Char('\'')) {
                    out += QLatin1Char('\'');
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                return {Token::Text, out};
            }
            out += s_[pos_++];
        }
    }
    Token bracketed() {
        const qsizetype end = s_.indexOf(QLatin1Char(']'), pos_);
        if (end < 0)
            fail(QStringLiteral("unterminated field name"));
        Token t{Token::Ident, s_.mid(pos_ + 1, end - pos_ - 1)};
        pos_ = end + 1;
        return t;
    }
    Token op() {
        QString o = s_.mid(pos_, 2);
        if (o != QLatin1String("<>") && o != QLatin1String("<=") && o != QLatin1String(">="))
            o = s_.mid(pos_, 1);
        pos_ += o.size();
        return {Token::Op, o};
    }
    Token number() {
        const qsizetype start = pos_++;
        while (pos_ < s_.size() && (s_[pos_].isDigit() || s_[pos_] == QLatin1Char('.')))
            ++pos_;
        return {Token::Number, s_.mid(start, pos_ - start)};
    }
    Token ident() {
        const qsizetype start = pos_;
        while (pos_ < s_.size() && (s_[pos_].isLetterOrNumber() || s_[pos_] == QLatin1Char('_')))
            ++pos_;
        return {Token::Ident, s_.mid(start, pos_ - start)};
    }

    const QString& s_;
    qsizetype pos_ = 0;
};

class Compiler {
  public:
    Compiler(const QString& expr, const TableDef& def, bool ci) : lex_(expr), def_(def), ci_(ci) {
        advance();
    }

    CompiledFilter run() {
        CompiledFilter out;
        out.sql = orExpr();
        if (tok_.kind != Token::End)
            lex_.fail(QStringLiteral("unexpected '%1'").arg(tok_.text));
        out.params = params_;
        return out;
    }

  private:
    void advance() { tok_ = lex_.next(); }
    bool isWord(const char* w) const {
        return tok_.kind == Token::Ident &&
               tok_.text.compare(QLatin1String(w), Qt::CaseInsensitive) == 0;
    }

    QString orExpr() {
        QString left = andExpr();
        while (isWord("or")) {
            advance();
            left = QStringLiteral("(%1 OR %2)").arg(left, andExpr());
        }
        return left;
    }
    QString andExpr() {
        QString left = unary();
        while (isWord("and")) {
            advance();
            left = QStringLiteral("(%1 AND %2)").arg(left, unary());
        }
        return left;
    }
    QString unary() {
        if (isWord("not")) {
            advance();
            return QStringLiteral("(NOT %1)").arg(unary());
        }
        if (tok_.kind == Token::LParen) {
            advance();
            const QString inner = orExpr();
            if (tok_.kind != Token::RParen)
                lex_.fail(QStringLiteral("missing ')'"));
            advance();
            return inner;
        }
        return comparison();
    }

    QString comparison() {
        if (tok_.kind != Token::Ident)
            lex_.fail(QStringLiteral("a field name expected"));
        const int fi = def_.fieldIndex(tok_.text);
        if (fi < 0)
            throw Error(Error::Code::NoSuchField,
                        QStringLiteral("filter names unknown field %1").arg(tok_.text));
        const FieldDef& field = def_.fields[fi];
        advance();
        if (tok_.kind != Token::Op)
            lex_.fail(QStringLiteral("an operator expected"));
        const QString op = tok_.text;
        advance();
        const Token literal = tok_;
        if (literal.kind == Token::Text || literal.kind == Token::Number || isWord("true") ||
            isWord("false")) {
            advance();
        } else {
            lex_.fail(QStringLiteral("a value expected"));
        }
        const QString col = quoteIdent(field.name);
        const QString ci = ci_ ? QStringLiteral("1") : QStringLiteral("0");

        if (isTextType(field.type)) {
            const QString value = literal.text;
            params_.append(value);
            if ((op == QLatin1String("=") || op == QLatin1String("<>")) &&
                value.contains(QLatin1Char('*')))
                return QStringLiteral("(rv_match(%1, ?, %2) = %3)")
                    .arg(col, ci,
                         op == QLatin1String("=") ? QStringLiteral("1") : QStringLiteral("0"));
            return QStringLiteral("(rv_cmp(%1, ?, %2) %3 0)").arg(col, ci, op);
        }

        Cell value;
        try {
            if (literal.kind == Token::Ident)
                value = cellFromInteger(
                    field, literal.text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0);
            else
                value = cellFromString(field, literal.text);
        } catch (const Error&) {
            lex_.fail(QStringLiteral("'%1' does not suit field %2").arg(literal.text, field.name));
        }
        const Cell empty = emptyCell(field.type);
        params_.append(empty);
        params_.append(value);
        return QStringLiteral("(coalesce(%1, ?) %2 ?)").arg(col, op);
    }

    Lexer lex_;
    const TableDef& def_;
    bool ci_;
    Token tok_;
    QList<Cell> params_;
};

}  // namespace

CompiledFilter compileFilter(const QString& expression, const TableDef& def, bool caseInsensitive) {
    return Compiler(expression, def, caseInsensitive).run();
}

}  // namespace engine
