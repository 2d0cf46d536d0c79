#include "core/drawing/webpage.h"

#include "core/animation/timeline.h"
#include "core/model/vocabulary.h"
#include "core/model/yards.h"
#include "core/settings/colors.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

// Coordinates to a tenth of a pixel and times to a millisecond keep the page
// small; the page then stands a player within a fraction of a pixel of the
// timeline's point.
double tenth(double value) { return std::round(value * 10) / 10; }
double milli(double value) { return std::round(value * 1000) / 1000; }

QJsonArray pointOf(QPointF point) { return {tenth(point.x()), tenth(point.y())}; }

QJsonObject playData(const PlaybookPlay& play, Level level) {
  const Play& drawn = play.picture->play;
  const Timeline timeline = timelineOf(drawn, play.picture->roles);
  const QRect view = diagramArea(drawn, play.picture->size, level);
  QJsonArray lines, players;
  for (const YardLine& line : yardLines(drawn, play.picture->size.height()))
    if (line.y >= view.top() && line.y <= view.bottom()) lines.append(QJsonArray{tenth(line.y), line.number, line.goal});
  for (int p = 1; p <= drawn.placedCount(); ++p) {
    QJsonArray run;
    for (const TimedPoint& point : runOf(drawn, p)) run.append(QJsonArray{milli(point.t), tenth(point.at.x()), tenth(point.at.y())});
    const QString label = labelText(drawn.labels[p]);
    players.append(QJsonArray{drawn.players[p].kind, label.isEmpty() ? QString::number(p) : label,
                              toQColor(drawn.players[p].color).name(), int(drawn.routes[p].line), int(drawn.routes[p].end),
                              run});
  }
  QJsonObject data{{"n", play.title}, {"c", play.picture->play.call},  {"o", play.picture->play.note},
                   {"v", QJsonArray{view.x(), view.y(), view.width(), view.height()}},
                   {"y", lines},       {"s", lineOfScrimmage(drawn).value_or(-1)},
                   {"h", tenth(hashFromSideline(level))}, {"L", milli(timeline.length)}, {"p", players}};
  // The ball held sits beside its holder where it covers no one: the
  // quarterback's side as he stands at the snap, the receiver's at the catch.
  if (const std::optional<Pass>& pass = timeline.pass) {
    const auto heldBeside = [&](int holder, double t) {
      const PlayMoment moment = playAt(drawn, timeline, t);
      return pointOf(ballBeside(moment.standing[holder], moment.standing.mid(1)) - moment.standing[holder]);
    };
    data.insert("P", QJsonArray{pass->quarterback, pass->receiver, milli(pass->thrown), milli(pass->caught),
                                pointOf(pass->from), pointOf(pass->to), heldBeside(pass->quarterback, 0),
                                heldBeside(pass->receiver, pass->caught)});
  }
  return data;
}

// The page's own parts: its style, its markup and the script that draws and
// plays the data.
const char* const style = R"css(
*{box-sizing:border-box}body{margin:0;font:16px/1.4 system-ui,sans-serif;background:#f4f4f4;color:#111}
header{padding:12px 16px;background:#1d3b24;color:#fff}h1{font-size:20px;margin:0}
#search{width:100%;margin-top:8px;padding:10px;font-size:16px;border-radius:8px;border:0}
#plays{list-style:none;margin:0;padding:0;max-height:30vh;overflow:auto;background:#fff}
#plays button{width:100%;min-height:48px;padding:8px 16px;text-align:left;font-size:16px;border:0;border-bottom:1px solid #ddd;background:#fff}
#plays button.on{background:#dbe9dd}main{padding:8px}h2{font-size:18px;margin:4px 8px}.call{margin:0 8px;color:#333}
svg{width:100%;height:auto;max-height:70vh;display:block;background:#fff;touch-action:manipulation}
.bar{display:flex;gap:8px;align-items:center;padding:8px}.bar button{min-width:72px;min-height:48px;font-size:16px}
#time{flex:1;height:48px}#clock{min-width:96px;text-align:right;font-variant-numeric:tabular-nums}.note{margin:4px 8px;color:#444}
)css";

const char* const script = R"js(
const NS='http://www.w3.org/2000/svg',C={
classic:{bg:'#469b3c',line:'#ffff00',ink:'#000080',fill:'none',text:'#fff',los:'#ffff00'},
football:{bg:'#267030',line:'#fff',ink:'#141414',fill:'#fff',text:'#141414',los:'#2878ff'},
paper:{bg:'#fff',line:'#a5a5a5',ink:'#141414',fill:'#fff',text:'#141414',los:'#145ae6'}}[LOOK];
const $=id=>document.getElementById(id),svg=$('field');let cur=0,t=0,playing=false,last=0,k=1;
function el(n,a,p){const e=document.createElementNS(NS,n);for(const k in a)e.setAttribute(k,a[k]);if(p)p.appendChild(e);return e}
function at(r,t){if(t<=r[0][0])return[r[0][1],r[0][2]];for(let i=1;i<r.length;i++)if(t<=r[i][0]){const a=r[i-1],b=r[i],s=b[0]-a[0];
if(s<=0)return[b[1],b[2]];const f=Math.max(0,t-a[0])/s;return[a[1]+(b[1]-a[1])*f,a[2]+(b[2]-a[2])*f]}const z=r[r.length-1];return[z[1],z[2]]}
function route(p,c){const r=p[5];if(r.length<2)return;const pts=r.map(q=>q[1]+','+q[2]).join(' ');
el('polyline',{points:pts,fill:'none',stroke:p[2]=='#ffffff'&&LOOK=='paper'?'#464646':p[2],'stroke-width':3,'stroke-dasharray':p[3]?'9 6':'none'},c);
const a=r[r.length-2],b=r[r.length-1],dx=b[1]-a[1],dy=b[2]-a[2],l=Math.hypot(dx,dy);if(!l||p[4]==2)return;const ux=dx/l,uy=dy/l;
if(p[4]==0)el('polygon',{points:[b[1],b[2],b[1]-ux*14+uy*6.5,b[2]-uy*14-ux*6.5,b[1]-ux*14-uy*6.5,b[2]-uy*14+ux*6.5].join(','),fill:p[2]},c);
else el('line',{x1:b[1]+uy*10,y1:b[2]-ux*10,x2:b[1]-uy*10,y2:b[2]+ux*10,stroke:p[2],'stroke-width':3.5},c)}
function draw(){const d=D[cur],v=d.v;svg.innerHTML='';svg.setAttribute('viewBox',v.join(' '));k=Math.max(1,v[2]/800);
el('rect',{x:v[0],y:v[1],width:v[2],height:v[3],fill:C.bg},svg);
for(const[y,n,g]of d.y){el('line',{x1:0,x2:1600,y1:y,y2:y,stroke:C.line,'stroke-width':g?5:2},svg);
if(n)for(const x of[300,1300]){const e=el('text',{x,y:y+19,'font-size':48,'font-weight':'bold',fill:C.line,'text-anchor':'middle'},svg);e.textContent=n}}
for(const x of[d.h,1600-d.h])el('line',{x1:x,x2:x,y1:v[1],y2:v[1]+v[3],stroke:C.line,'stroke-width':2,'stroke-dasharray':'20 10'},svg);
if(d.s>=0)el('line',{x1:0,x2:1600,y1:d.s,y2:d.s,stroke:C.los,'stroke-width':3},svg);
const routes=el('g',{},svg);d.p.forEach(p=>route(p,routes));
d.p.forEach((p,i)=>{const g=el('g',{id:'p'+(i+1)},svg),s=el('g',{transform:'scale('+k+')'},g);
if(p[0]==1)el('circle',{r:11.8,fill:C.fill,stroke:C.ink,'stroke-width':2.5},s);
else if(p[0]==2)el('rect',{x:-11.8,y:-11.8,width:23.6,height:23.6,fill:C.fill,stroke:C.ink,'stroke-width':2.5},s);
else if(p[0]==3){el('path',{d:'M-11.8,-11.8L11.8,11.8M-11.8,11.8L11.8,-11.8',stroke:C.ink,'stroke-width':3},s);
if(LOOK!='classic')el('rect',{x:-9,y:-8,width:18,height:16,rx:3,fill:C.fill},s)}
const e=el('text',{'font-size':p[1].length>2?11:14,'font-weight':'bold','text-anchor':'middle',dy:5,fill:p[0]==3&&LOOK=='classic'?C.ink:C.text},s);e.textContent=p[1]});
el('ellipse',{id:'ball',rx:10*k,ry:6.5*k,fill:'#8b4a1c',stroke:'#3b1e0a',visibility:d.P?'visible':'hidden'},svg);
$('name').textContent=d.n;$('call').textContent=d.c;$('note').textContent=d.o;
document.querySelectorAll('#plays button').forEach((b,i)=>b.classList.toggle('on',i==cur));show(0)}
function show(n){const d=D[cur];t=Math.min(Math.max(n,0),d.L);const pos=d.p.map(p=>at(p[5],t));
pos.forEach((q,i)=>$('p'+(i+1)).setAttribute('transform','translate('+q[0]+','+q[1]+')'));
if(d.P){const[qb,rc,t0,t1,f,o,bq,br]=d.P;let b,s=[0,0];if(t<=t0){b=pos[qb-1];s=bq}else if(t>=t1){b=pos[rc-1];s=br}
else{const k=(t-t0)/(t1-t0);b=[f[0]+(o[0]-f[0])*k,f[1]+(o[1]-f[1])*k]}
const ball=$('ball');ball.setAttribute('cx',b[0]+s[0]*k);ball.setAttribute('cy',b[1]+s[1]*k)}
$('time').value=d.L?Math.round(t/d.L*1000):0;$('clock').textContent=t.toFixed(1)+' s / '+d.L.toFixed(1)+' s'}
function tick(now){if(!playing)return;const d=D[cur];show(t+(now-last)/1000);last=now;
if(t>=d.L){playing=false;$('go').textContent='Play'}else requestAnimationFrame(tick)}
$('go').onclick=()=>{playing=!playing;$('go').textContent=playing?'Pause':'Play';if(playing){if(t>=D[cur].L)show(0);
last=performance.now();requestAnimationFrame(tick)}};
$('time').oninput=e=>{playing=false;$('go').textContent='Play';show(e.target.value/1000*D[cur].L)};
const list=$('plays');if(list){D.forEach((d,i)=>{const li=document.createElement('li'),b=document.createElement('button');
b.textContent=d.c?d.n+' \u2014 '+d.c:d.n;b.onclick=()=>{playing=false;$('go').textContent='Play';cur=i;draw()};li.appendChild(b);list.appendChild(li)});
$('search').oninput=e=>{const w=e.target.value.trim().toLowerCase();D.forEach((d,i)=>{list.children[i].hidden=w&&!(d.n+' '+d.c).toLowerCase().includes(w)})}}
const h=new URLSearchParams(location.hash.slice(1));cur=Math.min(Math.max((parseInt(h.get('play'))||1)-1,0),D.length-1);draw();
if(h.has('t'))show(parseFloat(h.get('t'))||0);
)js";

}  // namespace

QByteArray playPage(const QList<PlaybookPlay>& plays, const QString& title, Look look, Level level) {
  QJsonArray data;
  for (const PlaybookPlay& play : plays)
    if (play.picture) data.append(playData(play, level));
  // "<" written as \u003c: no name or note can end the script early.
  const QByteArray json = QJsonDocument(data).toJson(QJsonDocument::Compact).replace("<", "\\u003c");
  const QByteArray heading = title.toHtmlEscaped().toUtf8();
  const bool several = data.size() > 1;
  QByteArray page = "<!doctype html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
                    "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1\"><title>" +
                    heading + "</title><style>" + style + "</style></head><body>\n<header><h1>" + heading + "</h1>";
  if (several) page += "<input id=\"search\" type=\"search\" placeholder=\"Search names and calls\">";
  page += "</header>\n";
  if (several) page += "<ul id=\"plays\"></ul>\n";
  page += "<main><h2 id=\"name\"></h2><p class=\"call\" id=\"call\"></p><svg id=\"field\" xmlns=\"http://www.w3.org/2000/svg\"></svg>"
          "<div class=\"bar\"><button id=\"go\">Play</button><input id=\"time\" type=\"range\" min=\"0\" max=\"1000\" value=\"0\" "
          "aria-label=\"Time\"><span id=\"clock\"></span></div><p class=\"note\" id=\"note\"></p></main>\n<script>const D=" +
          json + ",LOOK='" + lookWord(look).toUtf8() + "';" + script + "</script></body></html>\n";
  return page;
}
