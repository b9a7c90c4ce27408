#pragma once

// The supervisor of the engine's worker processes. Starts workers on demand or
// all ahead when asked (up to a fixed number, and one more kept for opens and
// builds, which also go ahead of drawings), hands each one request at a time,
// and watches them: a request past its time limit, a worker past its memory
// bound or one that dies is ended, its request answered with a failure, and
// the worker replaced.
// A document whose requests have ended workers `maxStrikes` times answers the
// same kind of request at once with that failure.
//
// Thread contract: submit() and the counters may be called from any thread.
// Requests are written, answers read and every callback of a Job run on the
// pool's own supervisor thread; callbacks must be quick and must not call back
// into the pool synchronously beyond submit().

#include "engine/WorkerProtocol.h"
#include "platform/SharedBytes.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

// The bytes of one cached document version as workers load it. When the last
// holder lets go, every worker that has it is told to drop it.
class WorkerSource
{
public:
    WorkerSource(quint64 key, SharedBytes bytes, std::optional<QString> password,
                 std::shared_ptr<struct EvictionList> evictions);
    ~WorkerSource();
    WorkerSource(const WorkerSource &) = delete;
    WorkerSource &operator=(const WorkerSource &) = delete;

    const quint64 key;
    const SharedBytes bytes;
    const std::optional<QString> password;

private:
    std::shared_ptr<struct EvictionList> m_evictions;
};

class WorkerPool
{
public:
    struct Options
    {
        QString executable;
        QStringList arguments; // after the ones the pool passes itself
        int workers = 1;
        qint64 memoryBytes = 0; // per worker; 0: unbounded
        // How long a cancelled request may run on before its worker is ended.
        std::chrono::milliseconds cancelGrace{1000};
        // How long the pool waits, when it ends, for workers to leave by themselves.
        std::chrono::milliseconds quitGrace{500};
        // A reply, once its first byte came, must have come whole by then.
        std::chrono::milliseconds replyDeadline{5000};
    };

    enum class Failure {
        TimedOut,    // past its time limit
        Crashed,     // the worker died
        OutOfMemory, // the worker went past its memory bound
        Refused,     // this document ended workers repeatedly before
        Canceled,    // the job's CancelToken, honoured or enforced
        Unavailable, // no worker could be started
    };

    struct Job
    {
        WorkerProtocol::Outgoing request; // its descriptors stay open until the job ends
        WorkerProtocol::JobKind kind = WorkerProtocol::JobKind::Render;
        WorkerProtocol::Type replyType = WorkerProtocol::Type::RenderReply;
        template<typename Request> void ask(const Request &message)
        {
            request = WorkerProtocol::encode(message);
            kind = Request::kind;
            replyType = Request::Reply::type;
        }
        // Loaded into the worker before the request.
        std::vector<std::shared_ptr<const WorkerSource>> sources;
        // A key the worker caches by doing the job (an open's), or 0: counted
        // as loaded there, so later jobs don't send the bytes again and its
        // eviction reaches that worker.
        quint64 caches = 0;
        // The request hands the worker a descriptor of the user's file: that
        // worker is ended once it answers, before the job's callback runs.
        bool lendsFile = false;
        std::chrono::milliseconds limit{30'000};
        CancelToken cancel;
        int page = -1;    // for the strike record of a page
        int attempts = 0; // times handed to a worker that died before taking it
        // Run on the supervisor thread; exactly one of them, unless the pool is
        // destroyed first (then neither). `answered` gets the request's reply or
        // a Failed, and returns false, untouched, when the reply breaks the
        // protocol: the worker is then replaced and the job fails as Crashed.
        std::function<bool(WorkerProtocol::Message &)> answered;
        std::function<void(Failure)> failed;
    };

    static constexpr int maxStrikes = 2;

    explicit WorkerPool(Options options);
    ~WorkerPool(); // ends every worker within a second; pending jobs get no answer

    void submit(std::shared_ptr<Job> job);
    // Starts every worker that isn't running yet, the reserve too, without a
    // job: a worker takes a moment to start, which the first jobs then don't
    // wait for.
    void startAll();
    // Makes a WorkerSource whose eviction this pool carries out.
    std::shared_ptr<const WorkerSource> source(SharedBytes bytes, std::optional<QString> password);
    // Whether the worker program can be started at all.
    bool isAvailable() const;
    // How many workers draw at once; the reserve comes on top.
    int workerCount() const { return m_options.workers; }
    // For tests: workers started so far, replaced ones included.
    int startedCount() const;

    // The default program: $TAMSEL_ENGINE_WORKER, else "tamsel-engine" beside
    // the running program.
    static QString defaultExecutable();
    // Workers and memory per worker from the machine's cores and memory.
    static Options defaultOptions();

private:
    struct State;
    std::unique_ptr<State> m_state;
    Options m_options;
};
