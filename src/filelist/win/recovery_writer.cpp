#include "filelist/win/recovery_writer.h"

#include <process.h>

#include <deque>

#include "app/frame/file_bytes.h"

namespace {

struct Job {
    bool bDelete = false;
    std::string szPath;
    RecoveryHeader header;
    std::string text;
};

// Shared with the writer thread, under the lock.
CRITICAL_SECTION lock;
bool bLockMade = false;
std::deque<Job> jobs;
bool bRunning = false;      // a job has been taken and is not done yet
bool bStopping = false;
HANDLE hThread = NULL;
HANDLE hWake = NULL;        // auto-reset: a job was queued or the writer is to stop
LONG nFailures = 0;
std::string szLastFailure;

/* WriterThread: takes the jobs in order until told to stop with none left. */
unsigned __stdcall WriterThread(void *)
{
    for (;;) {
        EnterCriticalSection(&lock);
        bRunning = false;
        if (jobs.empty()) {
            bool bEnd = bStopping;
            LeaveCriticalSection(&lock);
            if (bEnd)
                return 0;
            WaitForSingleObject(hWake, INFINITE);
            continue;
        }
        Job job = std::move(jobs.front());
        jobs.pop_front();
        bRunning = true;
        LeaveCriticalSection(&lock);

        BOOL ok = job.bDelete ? (DeleteFileA(job.szPath.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND)
                              : WriteRecoveryCopy(job.szPath, job.header, job.text);
        if (!ok && !job.bDelete) {
            EnterCriticalSection(&lock);
            ++nFailures;
            szLastFailure = job.szPath;
            LeaveCriticalSection(&lock);
        }
    }
}

/* Queue: hands a job to the writer, starting it the first time. */
void Queue(Job &&job)
{
    if (!bLockMade) {
        InitializeCriticalSection(&lock);
        bLockMade = true;
    }
    EnterCriticalSection(&lock);
    jobs.push_back(std::move(job));
    LeaveCriticalSection(&lock);
    if (!hWake)
        hWake = CreateEventA(NULL, FALSE, FALSE, NULL);
    if (!hThread && hWake)
        hThread = (HANDLE)_beginthreadex(NULL, 0, WriterThread, NULL, 0, NULL);
    if (hThread) {
        SetEvent(hWake);
        return;
    }
    // No thread to be had: the job is done here, late rather than never.
    EnterCriticalSection(&lock);
    Job now = std::move(jobs.back());
    jobs.pop_back();
    LeaveCriticalSection(&lock);
    if (now.bDelete)
        DeleteFileA(now.szPath.c_str());
    else if (!WriteRecoveryCopy(now.szPath, now.header, now.text))
        ++nFailures, szLastFailure = now.szPath;
}

} // namespace

/* WriteRecoveryCopy: header and text beside the copy, then moved over it. */
BOOL WriteRecoveryCopy(const std::string &szPath, const RecoveryHeader &header, const std::string &text)
{
    std::string bytes = EncodeRecoveryHeader(header, text.data(), text.size());
    if (bytes.empty())
        return FALSE;
    bytes += text;
    return WriteFileReplacing(szPath.c_str(), bytes.data(), bytes.size());
}

void QueueRecoveryWrite(const std::string &szPath, const RecoveryHeader &header, std::string &&text)
{
    Job job;
    job.szPath = szPath;
    job.header = header;
    job.text = std::move(text);
    Queue(std::move(job));
}

void QueueRecoveryDelete(const std::string &szPath)
{
    Job job;
    job.bDelete = true;
    job.szPath = szPath;
    Queue(std::move(job));
}

BOOL RecoveryWriterIdle()
{
    if (!bLockMade)
        return TRUE;
    EnterCriticalSection(&lock);
    BOOL idle = jobs.empty() && !bRunning;
    LeaveCriticalSection(&lock);
    return idle;
}

LONG RecoveryWriteFailures(char *szLast, size_t nSize)
{
    if (!bLockMade)
        return nFailures;
    EnterCriticalSection(&lock);
    LONG n = nFailures;
    if (szLast && nSize)
        lstrcpynA(szLast, szLastFailure.c_str(), (int)nSize);
    LeaveCriticalSection(&lock);
    return n;
}

/* StopRecoveryWriter: lets the writer finish its queue and end. */
BOOL StopRecoveryWriter(DWORD nWaitMs)
{
    if (!hThread)
        return TRUE;
    EnterCriticalSection(&lock);
    bStopping = true;
    LeaveCriticalSection(&lock);
    SetEvent(hWake);
    BOOL ended = WaitForSingleObject(hThread, nWaitMs) == WAIT_OBJECT_0;
    if (ended) {
        CloseHandle(hThread);
        hThread = NULL;
        bStopping = false;
    }
    return ended;
}
