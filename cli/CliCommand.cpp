#include "CliCommand.h"

#include "Appraisal.h"
#include "BatchAppraisal.h"
#include "Clock.h"
#include "ProjectIdentity.h"
#include "ReadingReport.h"

#include <QRegularExpression>

#include <istream>
#include <ostream>

using namespace Qt::StringLiterals;

namespace soranika {

namespace {

constexpr QStringView kUsage =
    u"使い方:\n"
    u"  soranika-cli [--today YYYY-MM-DD] [--] ERA YEAR MONTH DAY\n"
    u"      生年月日を鑑定し、タイプ名・タイプ番号・生年月日・生まれてからの日数・年令・\n"
    u"      性格の文章を表示します。ERA は元号（西暦・明治・大正・昭和・平成・令和）で、\n"
    u"      それ以外の文字列は西暦として扱います。YEAR・MONTH・DAY はそのまま使います。\n"
    u"      例: soranika-cli 昭和 60 5 12\n"
    u"      ただしくない日付は標準エラー出力にメッセージを出し、終了コード 1 で終わります。\n"
    u"\n"
    u"  soranika-cli --batch [--today YYYY-MM-DD]\n"
    u"      標準入力からタブ区切りの行（元号・年・月・日）を読み、1 行ごとに\n"
    u"      タブ区切りで次のどれかを出力します。\n"
    u"        BirthDateText MaskedBirthDate TypeIndex DaysLived Age TypeTitle\n"
    u"        BirthDateText MaskedBirthDate refused\n"
    u"        error 理由（欄が 4 つでない行）\n"
    u"      ただしくない行があっても最後の行まで処理し、終了コードは 0 です。\n"
    u"      標準入力を読めないときは、それまでに読んだ行に答えてから\n"
    u"      終了コード 4 で終わります。\n"
    u"\n"
    u"オプション:\n"
    u"  --today YYYY-MM-DD  今日の日付を固定します（既定はこの計算機の日付）\n"
    u"  --batch             一括鑑定モード\n"
    u"  -h, --help          この説明を表示します\n"
    u"  --version           バージョンを表示します\n"
    u"  --                  これ以降はオプションとして読みません（年が \"-5\" のとき等）\n"
    u"\n"
    u"終了コード:\n"
    u"  0  鑑定した（--batch では最後の行まで処理した）\n"
    u"  1  ただしくない日付\n"
    u"  2  コマンドラインの誤り\n"
    u"  3  出力を書けなかった（パイプの読み手が先に終わったとき等）\n"
    u"  4  標準入力を読めなかった（--batch）\n"
    u"  0 以外では標準エラー出力にメッセージを出します。\n"
    u"\n"
    u"詳しくは man soranika-cli を見て下さい。\n";

void Write(std::ostream& stream, QStringView text) {
    const QByteArray utf8 = text.toUtf8();
    stream.write(utf8.constData(), utf8.size());
}

QDate ReadIsoDate(const QString& text) {
    // Exactly YYYY-MM-DD with four-digit years; QDate rejects days that do not exist.
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (!form.match(text).hasMatch())
        return {};
    return QDate::fromString(text, Qt::ISODate);
}

// A reader that has gone (a closed pipe with SIGPIPE ignored) or a full disk must not pass for
// success: a script would take the missing answers for none.
int CheckOutput(std::ostream& out, std::ostream& err, int status) {
    if (out.flush())
        return status;
    Write(err, u"soranika-cli: 出力を書き込めませんでした\n");
    return ExitOutputFailed;
}

} // namespace

Result<CliRequest> ParseCliArguments(const QStringList& arguments) {
    CliRequest request;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        const bool looksLikeOption = !optionsEnded && arg.size() > 1 && arg.startsWith(u'-');
        if (!looksLikeOption) {
            request.entry.append(arg);
            continue;
        }
        if (arg == u"--") {
            optionsEnded = true;
        } else if (arg == u"-h" || arg == u"--help") {
            if (request.mode != CliRequest::Mode::Version)
                request.mode = CliRequest::Mode::Help;
        } else if (arg == u"--version") {
            if (request.mode != CliRequest::Mode::Help)
                request.mode = CliRequest::Mode::Version;
        } else if (arg == u"--batch") {
            if (request.mode == CliRequest::Mode::Single)
                request.mode = CliRequest::Mode::Batch;
        } else if (arg == u"--today" || arg.startsWith(u"--today=")) {
            QString value;
            if (arg == u"--today") {
                if (i + 1 >= arguments.size())
                    return Failure{u"--today の後に日付 YYYY-MM-DD がありません"_s};
                value = arguments[++i];
            } else {
                value = arg.mid(8);
            }
            request.today = ReadIsoDate(value);
            if (!request.today.isValid())
                return Failure{u"--today の日付が YYYY-MM-DD の形の日付ではありません: "_s + value};
        } else {
            return Failure{u"知らないオプションです: "_s + arg};
        }
    }
    if (request.mode == CliRequest::Mode::Batch && !request.entry.isEmpty())
        return Failure{u"--batch は日付を引数ではなく標準入力から読みます"_s};
    if (request.mode == CliRequest::Mode::Single && request.entry.size() != 4)
        return Failure{
            u"ERA YEAR MONTH DAY の 4 つの引数が要りますが、%1 個です"_s.arg(request.entry.size())};
    return request;
}

int RunCli(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err,
           const Clock& clock) {
    const Result<CliRequest> parsed = ParseCliArguments(arguments);
    if (parsed.failed()) {
        Write(err, u"soranika-cli: "_s + parsed.reason() +
                       u"\n(soranika-cli --help で使い方を表示します)\n"_s);
        return ExitUsage;
    }
    const CliRequest& request = parsed.value();
    if (request.mode == CliRequest::Mode::Help) {
        Write(out, kUsage);
        return CheckOutput(out, err, ExitOk);
    }
    if (request.mode == CliRequest::Mode::Version) {
        Write(out, u"soranika-cli " SORANIKA_VERSION "\n");
        return CheckOutput(out, err, ExitOk);
    }

    const QDate today = request.today.isValid() ? request.today : clock.today();
    if (request.mode == CliRequest::Mode::Batch) {
        const Result<> batch = RunBatch(in, out, today);
        if (!batch.failed())
            return CheckOutput(out, err, ExitOk);
        Write(err, u"soranika-cli: 標準入力を読めませんでした: "_s + batch.reason() + u'\n');
        return CheckOutput(out, err, ExitInputFailed);
    }

    const Appraisal appraisal = AppraiseBirthDate(request.entry[0], request.entry[1],
                                                  request.entry[2], request.entry[3], today);
    if (!appraisal.Accepted) {
        Write(err, RefusalMessage.toString() + u'\n');
        return CheckOutput(out, err, ExitRefused);
    }
    Write(out, ReadingReport(appraisal));
    return CheckOutput(out, err, ExitOk);
}

} // namespace soranika
