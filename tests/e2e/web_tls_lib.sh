# Shared by the HTTPS web tests (after lib.sh and web_lib.sh): certificates
# made per run with openssl (a test CA, leaves for DNS:localhost), and the
# test CA trusted inside the private Wine prefix only, under
# HKCU\Software\Microsoft\SystemCertificates\Root (the machine's own trust
# store is never touched).

# make_tls_certs DIR: per-run certificates, all for the key leaf.key:
#   ca.pem      the test CA (to be trusted)   good.pem     localhost by ca, with ca
#   self.pem    self-signed localhost         unknown.pem  localhost by an untrusted CA, with it
#   wrong.pem   wrong.example by ca, with ca  expired.pem  localhost by ca, valid in 2020 only
#   partial.pem localhost by an intermediate of ca, sent without the intermediate
make_tls_certs() {
  local d=$1
  mkdir -p "$d"
  _ca() { # NAME SUBJECT [ISSUER]
    if [ -z "${3:-}" ]; then
      openssl req -x509 -newkey rsa:2048 -nodes -keyout "$d/$1.key" -out "$d/$1.pem" -days 2 -subj "/CN=$2" \
        -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign"
    else
      openssl req -newkey rsa:2048 -nodes -keyout "$d/$1.key" -out "$d/$1.csr" -subj "/CN=$2" &&
      printf 'basicConstraints=critical,CA:TRUE\nkeyUsage=critical,keyCertSign,cRLSign\n' > "$d/$1.ext" &&
      openssl x509 -req -in "$d/$1.csr" -CA "$d/$3.pem" -CAkey "$d/$3.key" -CAcreateserial -days 2 \
        -extfile "$d/$1.ext" -out "$d/$1.pem"
    fi
  }
  _leaf() { # NAME DNS ISSUER
    printf 'subjectAltName=DNS:%s\nextendedKeyUsage=serverAuth\nbasicConstraints=CA:FALSE\n' "$2" > "$d/$1.ext"
    openssl req -new -key "$d/leaf.key" -out "$d/$1.csr" -subj "/CN=$2" &&
    openssl x509 -req -in "$d/$1.csr" -CA "$d/$3.pem" -CAkey "$d/$3.key" -CAcreateserial -days 2 \
      -extfile "$d/$1.ext" -out "$d/$1.pem"
  }
  {
    openssl genrsa -out "$d/leaf.key" 2048 &&
    _ca ca "Sora Test CA" && _ca other "Sora Unknown CA" && _ca inter "Sora Test Intermediate" ca &&
    _leaf good localhost ca && cat "$d/ca.pem" >> "$d/good.pem" &&
    _leaf unknown localhost other && cat "$d/other.pem" >> "$d/unknown.pem" &&
    _leaf wrong wrong.example ca && cat "$d/ca.pem" >> "$d/wrong.pem" &&
    _leaf partial localhost inter &&
    openssl req -x509 -key "$d/leaf.key" -out "$d/self.pem" -days 2 -subj "/CN=localhost" \
      -addext "subjectAltName=DNS:localhost" &&
    mkdir -p "$d/db" && : > "$d/db/index" && echo 1000 > "$d/db/serial" &&
    printf '[ca]\ndefault_ca=t\n[t]\ndatabase=%s/db/index\nserial=%s/db/serial\nnew_certs_dir=%s/db\ndefault_md=sha256\npolicy=p\ncopy_extensions=none\n[p]\ncommonName=supplied\n' \
      "$d" "$d" "$d" > "$d/db/ca.cnf" &&
    printf 'subjectAltName=DNS:localhost\nextendedKeyUsage=serverAuth\nbasicConstraints=CA:FALSE\n' > "$d/expired.ext" &&
    openssl req -new -key "$d/leaf.key" -out "$d/expired.csr" -subj "/CN=localhost" &&
    openssl ca -batch -config "$d/db/ca.cnf" -cert "$d/ca.pem" -keyfile "$d/ca.key" -in "$d/expired.csr" \
      -startdate 20200101000000Z -enddate 20200201000000Z -extfile "$d/expired.ext" -notext -out "$d/expired.pem" &&
    cat "$d/ca.pem" >> "$d/expired.pem"
  } >/dev/null 2>&1
}

# trust_test_ca CA.pem: imports the CA into the current user's Root store of
# the test's Wine prefix (the key is named by the certificate's SHA-1, the
# value Blob holds it as a serialized certificate property).
trust_test_ca() {
  local reg="$work/trust_ca.reg"
  python3 - "$1" "$reg" <<'PY' || return 1
import base64, hashlib, struct, sys
pem = open(sys.argv[1]).read()
der = base64.b64decode("".join(l for l in pem.splitlines() if l and not l.startswith("-----")))
sha1 = hashlib.sha1(der).hexdigest().upper()
blob = struct.pack("<III", 32, 1, len(der)) + der
hexed = ",".join("%02x" % b for b in blob)
with open(sys.argv[2], "w", newline="\r\n") as f:
    f.write("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Microsoft\\SystemCertificates\\Root\\Certificates\\%s]\n" % sha1)
    f.write('"Blob"=hex:%s\n' % hexed)
PY
  "$SORA_WINE" regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1
}

# start_tls_server NAME CERT [tls13]: web_server.py over TLS with the key
# leaf.key; its port in port_NAME, its log in $work/NAME.log.
tls_pids=()
start_tls_server() {
  python3 "$SORA_ROOT/tests/e2e/web_server.py" "$work/$1.port" "$work/$1.log" "$SORA_ROOT/tests/e2e/web_pages" \
    "$2" "$work/tls/leaf.key" ${3:-} &
  tls_pids+=($!)
  wait_port "$1"
}

# start_tls_proxy NAME MODE TARGET_PORT: tls_proxy.py in front of a server.
start_tls_proxy() {
  python3 "$SORA_ROOT/tests/e2e/tls_proxy.py" "$work/$1.port" "$work/$1.log" "$2" "$3" &
  tls_pids+=($!)
  wait_port "$1"
}

wait_port() {
  local i
  for i in $(seq 100); do
    [ -s "$work/$1.port" ] && break
    sleep 0.1
  done
  [ -s "$work/$1.port" ] || { echo "$1 did not start" >&2; return 1; }
  printf -v "port_$1" '%s' "$(cat "$work/$1.port")"
}

stop_tls_servers() {
  local pid
  for pid in "${tls_pids[@]}"; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  tls_pids=()
}
trap 'rc=$?; stop_tls_servers; (exit $rc); web_finish' EXIT
