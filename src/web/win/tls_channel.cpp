#include "web/win/tls_channel.h"

#define SECURITY_WIN32
#include <wincrypt.h>
#include <security.h>
#include <schannel.h>

#include <cstdio>
#include <cstring>
#include <new>

enum { TLS_PROBLEM_SIZE = 512 };

struct CryptCalls {
    BOOL (WINAPI *CertGetCertificateChain)(HCERTCHAINENGINE, PCCERT_CONTEXT, LPFILETIME, HCERTSTORE,
                                           PCERT_CHAIN_PARA, DWORD, LPVOID, PCCERT_CHAIN_CONTEXT *);
    BOOL (WINAPI *CertVerifyCertificateChainPolicy)(LPCSTR, PCCERT_CHAIN_CONTEXT, PCERT_CHAIN_POLICY_PARA,
                                                    PCERT_CHAIN_POLICY_STATUS);
    VOID (WINAPI *CertFreeCertificateChain)(PCCERT_CHAIN_CONTEXT);
    BOOL (WINAPI *CertFreeCertificateContext)(PCCERT_CONTEXT);
};

static PSecurityFunctionTableA sspi;
static CryptCalls crypt;

struct TlsChannel {
    CredHandle hCred;
    CtxtHandle hCtx;
    bool bCred, bCtx;
    char szHost[256];
    std::string pending;  // received bytes not yet used (a partial record)
    SecPkgContext_StreamSizes sizes;
    char szProblem[TLS_PROBLEM_SIZE];
};

/* Loads secur32's function table and crypt32's chain calls, once. */
static bool LoadTlsCalls()
{
    if (sspi && crypt.CertGetCertificateChain)
        return true;
    HMODULE sec = LoadLibraryA("secur32.dll");
    HMODULE cry = LoadLibraryA("crypt32.dll");
    if (!sec || !cry)
        return false;
    INIT_SECURITY_INTERFACE_A init = (INIT_SECURITY_INTERFACE_A)(void *)GetProcAddress(sec, "InitSecurityInterfaceA");
    crypt.CertGetCertificateChain = (decltype(crypt.CertGetCertificateChain))(void *)GetProcAddress(cry, "CertGetCertificateChain");
    crypt.CertVerifyCertificateChainPolicy =
        (decltype(crypt.CertVerifyCertificateChainPolicy))(void *)GetProcAddress(cry, "CertVerifyCertificateChainPolicy");
    crypt.CertFreeCertificateChain = (decltype(crypt.CertFreeCertificateChain))(void *)GetProcAddress(cry, "CertFreeCertificateChain");
    crypt.CertFreeCertificateContext =
        (decltype(crypt.CertFreeCertificateContext))(void *)GetProcAddress(cry, "CertFreeCertificateContext");
    sspi = init ? init() : NULL;
    return sspi && crypt.CertGetCertificateChain && crypt.CertVerifyCertificateChainPolicy &&
           crypt.CertFreeCertificateChain && crypt.CertFreeCertificateContext;
}

/* Sets the problem text: a lead naming the host, then the reason. */
static void SetProblem(TlsChannel *pTls, const char *szReason, unsigned long nCode)
{
    int n = std::snprintf(pTls->szProblem, sizeof pTls->szProblem, "%s との安全な接続（HTTPS）を中止しました。\r\n",
                          pTls->szHost);
    if (n > 0 && n < (int)sizeof pTls->szProblem)
        std::snprintf(pTls->szProblem + n, sizeof pTls->szProblem - n, szReason, nCode);
}

TlsChannel *TlsOpen(const char *szHost, char *szProblem)
{
    szProblem[0] = '\0';
    if (!LoadTlsCalls()) {
        lstrcpynA(szProblem, "HTTPS に必要なシステムの機能（secur32.dll, crypt32.dll）を読み込めませんでした。",
                  TLS_PROBLEM_SIZE);
        return NULL;
    }
    TlsChannel *pTls = new (std::nothrow) TlsChannel();
    if (!pTls) {
        lstrcpynA(szProblem, "HTTPS の接続に必要なメモリーを確保できませんでした。", TLS_PROBLEM_SIZE);
        return NULL;
    }
    lstrcpynA(pTls->szHost, szHost, sizeof pTls->szHost);
    SCHANNEL_CRED cred;
    std::memset(&cred, 0, sizeof cred);
    cred.dwVersion = SCHANNEL_CRED_VERSION;
    cred.grbitEnabledProtocols = SP_PROT_TLS1_2_CLIENT;
    // The certificate is checked here, not by Schannel.
    cred.dwFlags = SCH_CRED_MANUAL_CRED_VALIDATION | SCH_CRED_NO_DEFAULT_CREDS;
    TimeStamp expiry;
    SECURITY_STATUS st = sspi->AcquireCredentialsHandleA(NULL, (SEC_CHAR *)UNISP_NAME_A, SECPKG_CRED_OUTBOUND, NULL,
                                                         &cred, NULL, NULL, &pTls->hCred, &expiry);
    if (st != SEC_E_OK) {
        std::snprintf(szProblem, TLS_PROBLEM_SIZE,
                      "HTTPS の接続を準備できませんでした（Schannel のエラー 0x%08lX）。GnuTLS が入っているか確かめてください。",
                      (unsigned long)st);
        delete pTls;
        return NULL;
    }
    pTls->bCred = true;
    return pTls;
}

void TlsClose(TlsChannel *pTls)
{
    if (!pTls)
        return;
    if (pTls->bCtx)
        sspi->DeleteSecurityContext(&pTls->hCtx);
    if (pTls->bCred)
        sspi->FreeCredentialsHandle(&pTls->hCred);
    delete pTls;
}

static const ULONG kContextFlags = ISC_REQ_SEQUENCE_DETECT | ISC_REQ_REPLAY_DETECT | ISC_REQ_CONFIDENTIALITY |
                                   ISC_REQ_EXTENDED_ERROR | ISC_REQ_ALLOCATE_MEMORY | ISC_REQ_STREAM |
                                   ISC_REQ_MANUAL_CRED_VALIDATION;

/* Appends an allocated output token to out and frees it. */
static void TakeToken(SecBuffer &buf, std::string &out)
{
    if (buf.pvBuffer && buf.cbBuffer)
        out.append((const char *)buf.pvBuffer, buf.cbBuffer);
    if (buf.pvBuffer)
        sspi->FreeContextBuffer(buf.pvBuffer);
    buf.pvBuffer = NULL;
}

/* The text of a handshake that failed with status st. */
static void SetHandshakeProblem(TlsChannel *pTls, SECURITY_STATUS st)
{
    SetProblem(pTls,
               "サーバーと TLS の接続を確立できませんでした（エラー 0x%08lX）。\r\n"
               "サーバーが TLS ではない応答をしたか、このプログラムが使える TLS 1.2 までの方式に応じませんでした。",
               (unsigned long)st);
}

TlsStep TlsBegin(TlsChannel *pTls, std::string &out)
{
    SecBuffer outBuf = {0, SECBUFFER_TOKEN, NULL};
    SecBufferDesc outDesc = {SECBUFFER_VERSION, 1, &outBuf};
    ULONG attrs = 0;
    TimeStamp expiry;
    SECURITY_STATUS st = sspi->InitializeSecurityContextA(&pTls->hCred, NULL, (SEC_CHAR *)pTls->szHost, kContextFlags,
                                                          0, 0, NULL, 0, &pTls->hCtx, &outDesc, &attrs, &expiry);
    if (st != SEC_I_CONTINUE_NEEDED) {
        SetHandshakeProblem(pTls, st);
        return TLS_STEP_FAILED;
    }
    pTls->bCtx = true;
    TakeToken(outBuf, out);
    return TLS_STEP_MORE;
}

/* The reason a chain or policy error stands for (a format with %lX). */
static const char *CertificateReason(PCCERT_CHAIN_CONTEXT chain, DWORD policyError, unsigned long *pCode)
{
    DWORD trust = chain->TrustStatus.dwErrorStatus;
    *pCode = trust ? trust : policyError;
    if (trust & CERT_TRUST_IS_NOT_TIME_VALID || policyError == (DWORD)CERT_E_EXPIRED)
        return "サーバーの証明書は有効期限が切れているか、まだ有効になっていません。";
    if (trust & CERT_TRUST_IS_PARTIAL_CHAIN || policyError == (DWORD)CERT_E_CHAINING)
        return "サーバーの証明書の発行元をたどれません（証明書チェーンが不完全です）。";
    if (trust & CERT_TRUST_IS_UNTRUSTED_ROOT || policyError == (DWORD)CERT_E_UNTRUSTEDROOT) {
        bool self = chain->cChain > 0 && chain->rgpChain[0]->cElement == 1;
        return self ? "サーバーの証明書は自己署名のもので、信頼できません。"
                    : "サーバーの証明書は信頼されていない認証局が発行したものです。";
    }
    if (trust & CERT_TRUST_IS_REVOKED || policyError == (DWORD)CRYPT_E_REVOKED)
        return "サーバーの証明書は失効しています。";
    if (policyError == (DWORD)CERT_E_CN_NO_MATCH)
        return "サーバーの証明書は別の名前のものです（接続先のホスト名と一致しません）。";
    return "サーバーの証明書を確認できませんでした（コード 0x%08lX）。";
}

/* Checks the server's certificate: the chain to a trusted root, no trust
   error at all, and the SSL policy with the host name. */
static TlsStep CheckCertificate(TlsChannel *pTls)
{
    PCCERT_CONTEXT cert = NULL;
    SECURITY_STATUS st = sspi->QueryContextAttributesA(&pTls->hCtx, SECPKG_ATTR_REMOTE_CERT_CONTEXT, &cert);
    if (st != SEC_E_OK || !cert) {
        SetProblem(pTls, "サーバーが証明書を示しませんでした（0x%08lX）。", (unsigned long)st);
        return TLS_STEP_REFUSED;
    }
    static const LPSTR kUsages[] = {(LPSTR)szOID_PKIX_KP_SERVER_AUTH, (LPSTR)szOID_SERVER_GATED_CRYPTO,
                                    (LPSTR)szOID_SGC_NETSCAPE};
    CERT_CHAIN_PARA para;
    std::memset(&para, 0, sizeof para);
    para.cbSize = sizeof para;
    para.RequestedUsage.dwType = USAGE_MATCH_TYPE_OR;
    para.RequestedUsage.Usage.cUsageIdentifier = 3;
    para.RequestedUsage.Usage.rgpszUsageIdentifier = (LPSTR *)kUsages;
    PCCERT_CHAIN_CONTEXT chain = NULL;
    if (!crypt.CertGetCertificateChain(NULL, cert, NULL, cert->hCertStore, &para, 0, NULL, &chain) || !chain) {
        SetProblem(pTls, "サーバーの証明書の発行元をたどれませんでした（エラー %lu）。", GetLastError());
        crypt.CertFreeCertificateContext(cert);
        return TLS_STEP_REFUSED;
    }
    WCHAR wHost[256];
    MultiByteToWideChar(CP_ACP, 0, pTls->szHost, -1, wHost, 256);
    HTTPSPolicyCallbackData https;
    std::memset(&https, 0, sizeof https);
    https.cbStruct = sizeof https;
    https.dwAuthType = AUTHTYPE_SERVER;
    https.pwszServerName = wHost;
    CERT_CHAIN_POLICY_PARA policy;
    std::memset(&policy, 0, sizeof policy);
    policy.cbSize = sizeof policy;
    policy.pvExtraPolicyPara = &https;
    CERT_CHAIN_POLICY_STATUS status;
    std::memset(&status, 0, sizeof status);
    status.cbSize = sizeof status;
    BOOL ran = crypt.CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, chain, &policy, &status);
    DWORD policyError = ran ? status.dwError : (DWORD)CERT_E_CHAINING;
    TlsStep step = TLS_STEP_READY;
    if (policyError != 0 || chain->TrustStatus.dwErrorStatus != 0) {
        unsigned long code;
        const char *reason = CertificateReason(chain, policyError, &code);
        SetProblem(pTls, reason, code);
        step = TLS_STEP_REFUSED;
    }
    crypt.CertFreeCertificateChain(chain);
    crypt.CertFreeCertificateContext(cert);
    return step;
}

TlsStep TlsHandshake(TlsChannel *pTls, const char *pIn, size_t nLen, std::string &out)
{
    pTls->pending.append(pIn, nLen);
    while (!pTls->pending.empty()) {
        SecBuffer inBufs[2] = {{(ULONG)pTls->pending.size(), SECBUFFER_TOKEN, &pTls->pending[0]},
                               {0, SECBUFFER_EMPTY, NULL}};
        SecBufferDesc inDesc = {SECBUFFER_VERSION, 2, inBufs};
        SecBuffer outBuf = {0, SECBUFFER_TOKEN, NULL};
        SecBufferDesc outDesc = {SECBUFFER_VERSION, 1, &outBuf};
        ULONG attrs = 0;
        TimeStamp expiry;
        SECURITY_STATUS st = sspi->InitializeSecurityContextA(&pTls->hCred, &pTls->hCtx, (SEC_CHAR *)pTls->szHost,
                                                              kContextFlags, 0, 0, &inDesc, 0, NULL, &outDesc,
                                                              &attrs, &expiry);
        if (st == SEC_E_INCOMPLETE_MESSAGE) {
            TakeToken(outBuf, out);
            return TLS_STEP_MORE;
        }
        if (st != SEC_E_OK && st != SEC_I_CONTINUE_NEEDED) {
            TakeToken(outBuf, out);
            SetHandshakeProblem(pTls, st);
            return TLS_STEP_FAILED;
        }
        TakeToken(outBuf, out);
        if (inBufs[1].BufferType == SECBUFFER_EXTRA && inBufs[1].cbBuffer <= pTls->pending.size())
            pTls->pending.erase(0, pTls->pending.size() - inBufs[1].cbBuffer);
        else
            pTls->pending.clear();
        if (st == SEC_E_OK) {
            if (sspi->QueryContextAttributesA(&pTls->hCtx, SECPKG_ATTR_STREAM_SIZES, &pTls->sizes) != SEC_E_OK) {
                SetHandshakeProblem(pTls, SEC_E_INTERNAL_ERROR);
                return TLS_STEP_FAILED;
            }
            return CheckCertificate(pTls);
        }
    }
    return TLS_STEP_MORE;
}

bool TlsEncrypt(TlsChannel *pTls, const char *pIn, size_t nLen, std::string &out)
{
    const SecPkgContext_StreamSizes &sz = pTls->sizes;
    std::string record;
    for (size_t at = 0; at < nLen;) {
        size_t piece = nLen - at < sz.cbMaximumMessage ? nLen - at : sz.cbMaximumMessage;
        record.assign(sz.cbHeader + piece + sz.cbTrailer, '\0');
        std::memcpy(&record[sz.cbHeader], pIn + at, piece);
        SecBuffer bufs[4] = {{sz.cbHeader, SECBUFFER_STREAM_HEADER, &record[0]},
                             {(ULONG)piece, SECBUFFER_DATA, &record[sz.cbHeader]},
                             {sz.cbTrailer, SECBUFFER_STREAM_TRAILER, &record[sz.cbHeader + piece]},
                             {0, SECBUFFER_EMPTY, NULL}};
        SecBufferDesc desc = {SECBUFFER_VERSION, 4, bufs};
        if (sspi->EncryptMessage(&pTls->hCtx, 0, &desc, 0) != SEC_E_OK)
            return false;
        out.append(record.data(), bufs[0].cbBuffer + bufs[1].cbBuffer + bufs[2].cbBuffer);
        at += piece;
    }
    return true;
}

TlsStep TlsDecrypt(TlsChannel *pTls, const char *pIn, size_t nLen, std::string &plain)
{
    pTls->pending.append(pIn, nLen);
    while (!pTls->pending.empty()) {
        SecBuffer bufs[4] = {{(ULONG)pTls->pending.size(), SECBUFFER_DATA, &pTls->pending[0]},
                             {0, SECBUFFER_EMPTY, NULL}, {0, SECBUFFER_EMPTY, NULL}, {0, SECBUFFER_EMPTY, NULL}};
        SecBufferDesc desc = {SECBUFFER_VERSION, 4, bufs};
        SECURITY_STATUS st = sspi->DecryptMessage(&pTls->hCtx, &desc, 0, NULL);
        if (st == SEC_E_INCOMPLETE_MESSAGE)
            return TLS_STEP_MORE;
        if (st == SEC_I_CONTEXT_EXPIRED) {
            pTls->pending.clear();
            return TLS_STEP_READY;
        }
        if (st != SEC_E_OK) {
            SetProblem(pTls, "サーバーから受け取ったデータを復号できませんでした（エラー 0x%08lX）。",
                       (unsigned long)st);
            pTls->pending.clear();
            return TLS_STEP_FAILED;
        }
        size_t extra = 0;
        for (const SecBuffer &b : bufs) {
            if (b.BufferType == SECBUFFER_DATA && b.pvBuffer && b.cbBuffer)
                plain.append((const char *)b.pvBuffer, b.cbBuffer);
            if (b.BufferType == SECBUFFER_EXTRA)
                extra = b.cbBuffer;
        }
        if (extra > pTls->pending.size())
            extra = 0;
        pTls->pending.erase(0, pTls->pending.size() - extra);
    }
    return TLS_STEP_MORE;
}

bool TlsPartialRecord(const TlsChannel *pTls)
{
    return !pTls->pending.empty();
}

const char *TlsProblem(const TlsChannel *pTls)
{
    return pTls->szProblem;
}
