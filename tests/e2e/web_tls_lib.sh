# Shared by the HTTPS web tests (after lib.sh and web_lib.sh): certificates
# made per run with openssl (a test CA, leaves for DNS:localhost), and the
# test CA trusted inside the private Wine prefix only, under
# HKCU\Software\Microsoft\SystemCertificates\Root (the machine's own trust
# store is never touched).

# make_tls_certs DIR: ca.pem/ca.key, leaf.pem (localhost, signed by the CA),
# chain.pem (leaf and CA) and leaf.key.
make_tls_certs() {
  local d=$1
  mkdir -p "$d"
  openssl req -x509 -newkey rsa:2048 -nodes -keyout "$d/ca.key" -out "$d/ca.pem" -days 2 \
    -subj "/CN=Sora Test CA" -addext "basicConstraints=critical,CA:TRUE" \
    -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null || return 1
  openssl req -newkey rsa:2048 -nodes -keyout "$d/leaf.key" -out "$d/leaf.csr" -subj "/CN=localhost" 2>/dev/null || return 1
  printf 'subjectAltName=DNS:localhost\nextendedKeyUsage=serverAuth\nbasicConstraints=CA:FALSE\n' > "$d/leaf.ext"
  openssl x509 -req -in "$d/leaf.csr" -CA "$d/ca.pem" -CAkey "$d/ca.key" -CAcreateserial -days 2 \
    -extfile "$d/leaf.ext" -out "$d/leaf.pem" 2>/dev/null || return 1
  cat "$d/leaf.pem" "$d/ca.pem" > "$d/chain.pem"
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
  wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
}
