"""A server speaking the part of the AT protocol (Bluesky's XRPC) that announcing uses,
on 127.0.0.1 and a free port (printed on the first line of standard output). It stops
by itself after a while or when its standard input closes.

    atproto_server.py [OPTION...]

Options:
    --expire-after N      each access token is refused as expired after N uses
    --refuse-refresh      every refresh token is refused as expired
    --drop-reply N        the Nth record is stored, then the connection is closed unanswered
    --rate-limit-after N  records after the Nth get 429 with ratelimit-reset (epoch seconds)
    --reject WORD         a record whose text holds WORD gets 400 InvalidRequest
    --hang                every request is read and never answered
    --slow SECONDS        each record is stored, then answered after this pause

The account is office.test (did:plc:office) with the app password "abcd-efgh-ijkl-mnop".
GET /test/records lists the stored records, oldest first; GET /test/counts says how
many sessions were created, refreshed and deleted.
"""
import json
import threading
from urllib.parse import parse_qs, urlsplit
from json_service import JsonHandler, parse_options, serve

HANDLE = 'office.test'
DID = 'did:plc:office'
APP_PASSWORD = 'abcd-efgh-ijkl-mnop'
RATE_LIMIT_RESET = 1935558489  # 2031-05-03T07:08:09Z

options = parse_options(('--hang', '--refuse-refresh'))

lock = threading.Lock()
records = []          # dicts: uri, cid, value
access_uses = {}      # live access token -> uses so far
refresh_tokens = set()
counts = {'created': 0, 'refreshed': 0, 'deleted': 0}


class Handler(JsonHandler):
    options = options

    def error(self, code, name, message):
        self.answer(code, {'error': name, 'message': message})

    def bearer(self):
        header = self.headers.get('Authorization', '')
        return header[7:] if header.startswith('Bearer ') else None

    def body(self):
        length = int(self.headers.get('Content-Length') or 0)
        raw = self.rfile.read(length)
        try:
            return json.loads(raw.decode('utf-8')) if raw else {}
        except ValueError:
            return None

    def access_ok(self):
        """True when the access token is live; otherwise answers and returns False."""
        token = self.bearer()
        with lock:
            if token not in access_uses:
                self.error(401, 'InvalidToken', 'Token could not be verified')
                return False
            limit = options.get('--expire-after')
            if limit is not None and access_uses[token] >= int(limit):
                self.error(400, 'ExpiredToken', 'Token has expired')
                return False
            access_uses[token] += 1
        return True

    def new_session(self):
        with lock:
            number = counts['created'] + counts['refreshed'] + 1
            access, refresh = 'access-%d' % number, 'refresh-%d' % number
            access_uses[access] = 0
            refresh_tokens.add(refresh)
        return {'did': DID, 'handle': HANDLE, 'accessJwt': access, 'refreshJwt': refresh, 'active': True}

    def do_GET(self):
        if self.hang():
            return
        url = urlsplit(self.path)
        query = {k: v[0] for k, v in parse_qs(url.query).items()}
        if url.path == '/test/records':
            with lock:
                return self.answer(200, records)
        if url.path == '/test/counts':
            with lock:
                return self.answer(200, counts)
        if url.path == '/xrpc/com.atproto.repo.listRecords':
            if query.get('repo') != DID or query.get('collection') != 'app.bsky.feed.post':
                return self.error(400, 'InvalidRequest', 'unknown repo or collection: %r' % query)
            if not self.access_ok():
                return
            limit = max(1, min(100, int(query.get('limit', '50'))))
            with lock:
                newest = list(reversed(records))[:limit]
            return self.answer(200, {'records': newest, 'cursor': newest[-1]['uri'] if newest else None})
        self.error(404, 'XRPCNotSupported', 'XRPC method not implemented')

    def do_POST(self):
        body = self.body()
        if self.hang():
            return
        if body is None:
            return self.error(400, 'InvalidRequest', 'the body is not JSON')
        path = urlsplit(self.path).path
        if path == '/xrpc/com.atproto.server.createSession':
            if body.get('identifier') not in (HANDLE, DID) or body.get('password') != APP_PASSWORD:
                return self.error(401, 'AuthenticationRequired', 'Invalid identifier or password')
            session = self.new_session()
            with lock:
                counts['created'] += 1
            return self.answer(200, session)
        if path == '/xrpc/com.atproto.server.refreshSession':
            token = self.bearer()
            with lock:
                live = token in refresh_tokens and not options.get('--refuse-refresh')
                if live:
                    refresh_tokens.discard(token)  # a refresh token is good once
            if not live:
                return self.error(400, 'ExpiredToken', 'Token has been revoked')
            session = self.new_session()
            with lock:
                counts['refreshed'] += 1
            return self.answer(200, session)
        if path == '/xrpc/com.atproto.server.deleteSession':
            with lock:
                refresh_tokens.discard(self.bearer())
                counts['deleted'] += 1
            return self.answer(200, {})
        if path == '/xrpc/com.atproto.repo.createRecord':
            return self.create_record(body)
        self.error(404, 'XRPCNotSupported', 'XRPC method not implemented')

    def create_record(self, body):
        if not self.access_ok():
            return
        record = body.get('record') or {}
        if body.get('repo') != DID or body.get('collection') != 'app.bsky.feed.post' \
                or record.get('$type') != 'app.bsky.feed.post' or not record.get('createdAt') \
                or not isinstance(record.get('text'), str):
            return self.error(400, 'InvalidRequest', 'not a post record: %r' % body)
        with lock:
            limit = options.get('--rate-limit-after')
            if limit is not None and len(records) >= int(limit):
                return self.answer(429, {'error': 'RateLimitExceeded', 'message': 'Rate Limit Exceeded'},
                                   [('ratelimit-reset', str(RATE_LIMIT_RESET)), ('ratelimit-remaining', '0')])
            if '--reject' in options and options['--reject'] in record['text']:
                return self.error(400, 'InvalidRequest', 'Invalid app.bsky.feed.post record: text too long')
            number = len(records) + 1
            stored = {'uri': 'at://%s/app.bsky.feed.post/3rkey%d' % (DID, number), 'cid': 'cid%d' % number,
                      'value': record}
            records.append(stored)
        self.answer_stored(number, {'uri': stored['uri'], 'cid': stored['cid']})


serve(Handler)
