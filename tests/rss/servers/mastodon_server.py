"""A server speaking the part of the Mastodon API that announcing uses, on 127.0.0.1
and a free port (printed on the first line of standard output). It stops by itself
after a while or when its standard input closes.

    mastodon_server.py [OPTION...]

Options:
    --max-characters N   the instance's limit (not said at all when absent)
    --drop-reply N       the Nth post is stored, then the connection is closed unanswered
    --rate-limit-after N posts after the Nth get 429 with X-RateLimit-Reset
    --reject WORD        a post containing WORD gets 422
    --hang               every request is read and never answered
    --slow SECONDS       each post is stored, then answered after this pause
    --before-profile     a server older than the profile scope: it refuses to register it

The code "good-code" gives the token "token-1"; only a live token is accepted.
GET /test/statuses lists what was stored, with the key each was sent with.
"""
import threading
from urllib.parse import parse_qs
from json_service import JsonHandler, parse_options, serve

options = parse_options(('--hang', '--before-profile'))

lock = threading.Lock()
statuses = []       # dicts: id, text, key, url
by_key = {}
live_tokens = set()
attempts = [0]


class Handler(JsonHandler):
    options = options

    def form(self):
        length = int(self.headers.get('Content-Length') or 0)
        raw = self.rfile.read(length).decode()
        return {k: v[0] for k, v in parse_qs(raw, keep_blank_values=True).items()}

    def authorised(self):
        header = self.headers.get('Authorization', '')
        return header.startswith('Bearer ') and header[7:] in live_tokens

    def do_GET(self):
        if self.hang():
            return
        if self.path == '/test/statuses':
            with lock:
                return self.answer(200, statuses)
        if self.path == '/api/v2/instance':
            body = {'domain': '127.0.0.1', 'configuration': {'urls': {}}}
            if '--max-characters' in options:
                body['configuration']['statuses'] = {
                    'max_characters': int(options['--max-characters']),
                    'characters_reserved_per_url': 23}
            return self.answer(200, body)
        if self.path == '/api/v1/accounts/verify_credentials':
            if not self.authorised():
                return self.answer(401, {'error': 'The access token is invalid'})
            return self.answer(200, {'id': '1', 'username': 'office', 'acct': 'office'})
        self.answer(404, {'error': 'Record not found'})

    def do_POST(self):
        form = self.form()
        if self.hang():
            return
        if self.path == '/api/v1/apps':
            wanted = 'write:statuses read:accounts' if options.get('--before-profile') else 'write:statuses profile'
            if form.get('client_name') != 'Tallowmere' or form.get('scopes') != wanted \
                    or form.get('redirect_uris') != 'urn:ietf:wg:oauth:2.0:oob':
                return self.answer(422, {'error': 'unexpected registration: %r' % form})
            return self.answer(200, {'id': '7', 'client_id': 'cid', 'client_secret': 'secret'})
        if self.path == '/oauth/token':
            if form.get('code') != 'good-code' or form.get('client_secret') != 'secret' \
                    or form.get('scope') not in ('write:statuses profile', 'write:statuses read:accounts'):
                return self.answer(400, {'error': 'invalid_grant'})
            with lock:
                token = 'token-%d' % (len(live_tokens) + 1)
                live_tokens.add(token)
            return self.answer(200, {'access_token': token, 'token_type': 'Bearer', 'scope': form.get('scope')})
        if self.path == '/oauth/revoke':
            with lock:
                live_tokens.discard(form.get('token'))
            return self.answer(200, {})
        if self.path == '/api/v1/statuses':
            return self.post_status(form)
        self.answer(404, {'error': 'Record not found'})

    def post_status(self, form):
        if not self.authorised():
            return self.answer(401, {'error': 'The access token is invalid'})
        key = self.headers.get('Idempotency-Key')
        text = form.get('status', '')
        with lock:
            if key and key in by_key:
                return self.answer(200, by_key[key])
            attempts[0] += 1
            limit = options.get('--rate-limit-after')
            if limit is not None and len(statuses) >= int(limit):
                return self.answer(429, {'error': 'Too many requests'},
                                   [('X-RateLimit-Reset', '2031-05-06T07:08:09.000Z')])
            if '--reject' in options and options['--reject'] in text:
                return self.answer(422, {'error': 'Validation failed: Text character limit of 500 exceeded'})
            number = len(statuses) + 1
            status = {'id': str(number), 'content': text, 'key': key,
                      'url': 'http://127.0.0.1/@office/%d' % number}
            statuses.append(status)
            if key:
                by_key[key] = status
        self.answer_stored(number, status)


serve(Handler)
